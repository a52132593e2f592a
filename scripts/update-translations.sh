#!/usr/bin/env bash
# Brings the translation files (translations/*.ts) up to date with the texts
# in src/: new texts are added as unfinished, texts that are gone are dropped.
# Source locations are left out so that a change of code does not change the
# files. Usage: scripts/update-translations.sh [translations/dialometer_xx.ts...]
# (a new language: name its new file; it is created).
set -euo pipefail
cd "$(dirname "$0")/.."

LUPDATE=${LUPDATE:-}
if [ -z "$LUPDATE" ]; then
  for candidate in lupdate6 /usr/lib/qt6/bin/lupdate lupdate; do
    if command -v "$candidate" >/dev/null 2>&1; then
      LUPDATE=$candidate
      break
    fi
  done
fi
if [ -z "$LUPDATE" ]; then
  echo "lupdate of Qt 6 not found (scripts/install-deps.sh installs it)" >&2
  exit 1
fi

if [ $# -gt 0 ]; then
  files=("$@")
else
  files=(translations/dialometer_*.ts)
fi
# English, the source language, keeps only the plural forms of its texts.
others=()
for f in "${files[@]}"; do
  case $f in
    *_en.ts) "$LUPDATE" -silent -locations none -no-obsolete -pluralonly -extensions cpp,h src -ts "$f" ;;
    *) others+=("$f") ;;
  esac
done
[ ${#others[@]} -eq 0 ] || "$LUPDATE" -silent -locations none -no-obsolete -extensions cpp,h src -ts "${others[@]}"
