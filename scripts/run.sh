#!/usr/bin/env bash
# Builds Dialometer and starts it on the simulated modem (the demo scenario),
# with its own data folder, so it works on any machine.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$("$here/scripts/build.sh" | tail -n 1)

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  # No desktop to show the tray icon on (a server or a CI shell): run on a
  # virtual X display so the program still starts; Ctrl+C ends it in order.
  echo "No display found: running Dialometer on a virtual X display (Xvfb)." >&2
  echo "Press Ctrl+C to end it; the month's statistics file is written on the way out." >&2
  exec xvfb-run -a "$build_dir/dialometer" --demo "$@"
fi
exec "$build_dir/dialometer" --demo "$@"
