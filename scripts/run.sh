#!/usr/bin/env bash
# Builds Dialometer and starts it on the simulated modem (the demo scenario),
# with its own data folder, so it works on any machine.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$("$here/scripts/build.sh" | tail -n 1)
exec "$build_dir/dialometer" --demo "$@"
