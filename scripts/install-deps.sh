#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
# The one place that lists them: both README commands and CI call this script.
# A minimal Debian 12 root (mmdebstrap --variant=minbase) brings only the
# essential packages and apt, so every other tool a script, a test or CPack
# calls is named here, also those a fuller install has anyway (file, mount,
# tzdata, mawk).
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libqt6opengl6-dev libgl-dev
  libpugixml-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-dejavu-core
  dbus dbus-daemon dbus-x11 xvfb xauth x11-apps trayer
  network-manager iproute2 iputils-ping util-linux procps
  python3 python3-dbus python3-gi
  dpkg-dev appstream desktop-file-utils mmdebstrap groff-base
  file mount tzdata mawk
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
