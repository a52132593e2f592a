#!/usr/bin/env bash
# Builds Dialometer and runs every test headless.
# Usage: scripts/test.sh [--sanitize] [ctest options...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build_args=()
if [ "${1:-}" = "--sanitize" ]; then
  build_args+=(--sanitize)
  shift
  export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
fi
build_dir=$("$here/scripts/build.sh" "${build_args[@]}" | tail -n 1)
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
ctest --test-dir "$build_dir" --output-on-failure -j2 "$@"
