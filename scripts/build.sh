#!/usr/bin/env bash
# Configures and builds Dialometer into BUILD_DIR (default: build).
# Usage: scripts/build.sh [--sanitize] [extra cmake -D options...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" >&2

build_dir=${BUILD_DIR:-$here/build}
cmake_args=()
if [ "${1:-}" = "--sanitize" ]; then
  shift
  build_dir=${BUILD_DIR:-$here/build-asan}
  cmake_args+=(-DDIALOMETER_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi
cmake -S "$here" -B "$build_dir" -G Ninja "${cmake_args[@]}" "$@" >&2
cmake --build "$build_dir" >&2
echo "$build_dir"
