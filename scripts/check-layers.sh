#!/usr/bin/env bash
# Keeps the folders of src in layers: a file may include headers of its own
# folder and of the folders on the lines above its folder's line, never of a
# folder on its own line or below it. So the includes, folder by folder, form
# no circle. A new folder of src gets a line here before it builds.
# Usage: scripts/check-layers.sh [SRC_DIR]   (default: the src of this tree)
set -euo pipefail

# Lowest first. Folders on one line are peers and do not include each other.
LAYERS=(
  "core"        # no widgets, no other folder: clock, prompter, text forms, data folder
  "store"       # the data files
  "connection"  # the connection seam and the operations over it
  "cost"        # the tariff engine
  "monitor"     # the 500 ms tick
  "plans"       # the providers' plans and their following
  "backends"    # NetworkManager, pppd, the simulated modem
  "widgets"
  "stats"
  "planview"    # the plan window
  "access"
  "settings"
  "app cli"     # the two programs
)

# Includes that break the order and are on their way out, as "FILE HEADER".
# One that no longer occurs fails the check, so the list cannot outlive them.
ALLOWED=(
  # The log-in dialog still takes its message boxes from the program's folder.
  "access/TfrmAuthorization.cpp app/WidgetPrompter.h"
)

src=${1:-$(cd "$(dirname "$0")/../src" && pwd)}
cd "$src"

declare -A level
n=0
for line in "${LAYERS[@]}"; do
  n=$((n + 1))
  for folder in $line; do
    level[$folder]=$n
  done
done

below() {
  local folder=$1 others=() f
  for f in "${!level[@]}"; do
    ((level[$f] < level[$folder])) && others+=("$f")
  done
  [ ${#others[@]} -eq 0 ] && echo "nothing" && return
  printf '%s\n' "${others[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}

failed=0
for dir in */; do
  folder=${dir%/}
  if [ -z "${level[$folder]:-}" ]; then
    echo "src/$folder has no line in the layers of scripts/check-layers.sh"
    failed=1
  fi
done

declare -A used
pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*"(([^"/]+)/[^"]*)"'
while IFS= read -r hit; do
  file=${hit%%:*}
  file=${file#./}
  rest=${hit#*:}
  number=${rest%%:*}
  text=${rest#*:}
  [[ $text =~ $pattern ]] || continue
  header=${BASH_REMATCH[1]}
  to=${BASH_REMATCH[2]}
  from=${file%%/*}
  [ "$to" = "$from" ] && continue
  # Headers of folders outside src (none today) are not this check's business.
  [ -n "${level[$to]:-}" ] || continue
  [ -n "${level[$from]:-}" ] || continue
  ((level[$to] < level[$from])) && continue
  key="$file $header"
  for allowed in "${ALLOWED[@]}"; do
    if [ "$allowed" = "$key" ]; then
      used[$key]=1
      continue 2
    fi
  done
  echo "src/$file:$number: $from includes $header; $from may include only: $(below "$from")"
  failed=1
done < <(grep -rnE --include='*.h' --include='*.cpp' "$pattern" .)

for allowed in "${ALLOWED[@]}"; do
  if [ -z "${used[$allowed]:-}" ]; then
    echo "scripts/check-layers.sh: \"$allowed\" no longer occurs; remove it from ALLOWED"
    failed=1
  fi
done

[ $failed -eq 0 ] && echo "The folders of src keep their layers."
exit $failed
