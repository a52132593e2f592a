#!/usr/bin/env bash
# The whole program while a connection is up and its window hidden: CPU use
# and resident memory, read from /proc. Runs on its own Xvfb with a tray host
# (so the window stays hidden, as on a desktop) when both are installed, else
# on the offscreen platform.
# Usage: bench/app/process_load.sh [BUILD_DIR] [SECONDS] [SAMPLE_SECONDS]
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=${1:-$here/build}
duration=${2:-60}
sample=${3:-10}
program=$build_dir/dialometer
[ -x "$program" ] || { echo "no program at $program (build it first)" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# One connection, up from the start for longer than the run, with traffic that
# keeps the lights, tray image and graph changing.
cat >"$work/scenario.json" <<JSON
{
  "phonebook": ["Provider"],
  "connections": [
    {"entry": "Provider", "start": 0, "speed": 115200,
     "receiveRate": 6000, "sendRate": 900, "variation": 0.8}
  ]
}
JSON

export DIALOMETER_HOME=$work/home DIALOMETER_BACKEND=sim DIALOMETER_SIM=$work/scenario.json
platform=offscreen
if command -v Xvfb >/dev/null && command -v trayer >/dev/null; then
  display=:$((100 + RANDOM % 100))
  Xvfb "$display" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
  export DISPLAY=$display
  unset DBUS_SESSION_BUS_ADDRESS
  trayer --edge top --align right --widthtype pixel --width 96 --height 24 >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
  platform=xcb
fi
export QT_QPA_PLATFORM=$platform

"$program" &
pid=$!
pids+=($pid)
sleep 5 # start-up is not part of the steady state

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$pid/status"; }

start_ticks=$(cpu_ticks)
start_ns=$(date +%s%N)
start_rss=$(rss_kb)
echo "platform $platform, pid $pid, measuring ${duration}s"
echo "t=0s rss=${start_rss}kB"
elapsed=0
while [ "$elapsed" -lt "$duration" ]; do
  step=$((duration - elapsed < sample ? duration - elapsed : sample))
  sleep "$step"
  elapsed=$((elapsed + step))
  kill -0 "$pid" 2>/dev/null || { echo "the program ended early" >&2; exit 1; }
  echo "t=${elapsed}s rss=$(rss_kb)kB"
done
end_ticks=$(cpu_ticks)
end_ns=$(date +%s%N)
end_rss=$(rss_kb)

awk -v t0="$start_ticks" -v t1="$end_ticks" -v n0="$start_ns" -v n1="$end_ns" -v hz="$ticks" \
    -v r0="$start_rss" -v r1="$end_rss" 'BEGIN {
  secs = (n1 - n0) / 1e9
  cpu = (t1 - t0) / hz
  printf "cpu %.2fs over %.1fs = %.3f%% of one core\n", cpu, secs, 100 * cpu / secs
  printf "rss %.1f MB at start, %.1f MB at end (%+d kB)\n", r0 / 1024, r1 / 1024, r1 - r0
}'
kill -TERM "$pid"
wait "$pid" || true
