#!/usr/bin/env bash
# Builds the Debian package into dist/: a Release build without tests or
# benchmarks in build-package, packed by CPack.
# Usage: scripts/package.sh [extra cmake -D options...]
# Then: apt install ./dist/dialometer_*.deb
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" >&2

build_dir=${BUILD_DIR:-$here/build-package}
dist_dir=$here/dist
cmake -S "$here" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DDIALOMETER_BUILD_TESTS=OFF -DDIALOMETER_BUILD_BENCH=OFF "$@" >&2
cmake --build "$build_dir" >&2
mkdir -p "$dist_dir"
(cd "$build_dir" && cpack -G DEB -B "$build_dir/cpack" >&2)
package=$(ls -t "$build_dir"/cpack/dialometer_*.deb | head -n 1)
cp "$package" "$dist_dir/"
echo "$dist_dir/$(basename "$package")"
