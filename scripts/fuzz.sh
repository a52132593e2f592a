#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan and UBSan) into BUILD_DIR (default:
# build-fuzz) and runs each for SECONDS (default 60), one after another, from
# its starting corpus in fuzz/corpus/<target>. New inputs go to
# BUILD_DIR/corpus/<target>, findings to BUILD_DIR/findings/.
# Usage: scripts/fuzz.sh [SECONDS] [target...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
"$here/scripts/install-deps.sh" >&2

build_dir=${BUILD_DIR:-$here/build-fuzz}
cmake -S "$here" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DDIALOMETER_FUZZ=ON \
  -DDIALOMETER_BUILD_TESTS=OFF -DDIALOMETER_BUILD_BENCH=OFF >&2
cmake --build "$build_dir" --target fuzzers >&2

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(fuzz_data_file fuzz_month_file fuzz_cost fuzz_text_forms fuzz_sim_modem fuzz_journal fuzz_resume_token)
fi
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p "$build_dir/findings"
failed=()
for target in "${targets[@]}"; do
  corpus="$build_dir/corpus/$target"
  mkdir -p "$corpus"
  echo "== $target: ${seconds}s" >&2
  if ! "$build_dir/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$build_dir/findings/$target-" \
      "$corpus" "$here/fuzz/corpus/$target"; then
    failed+=("$target")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs in $build_dir/findings)" >&2
  exit 1
fi
echo "fuzzing: no findings" >&2
