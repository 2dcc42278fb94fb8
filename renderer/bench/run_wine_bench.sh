#!/usr/bin/env bash
# Timed run of the renderer under Wine at the Xvfb resolution (1280x1024), in a Wine
# environment of its own:  run_wine_bench.sh WINDOWS_BUILD_DIR DIST_DIR [SECONDS_PER_PHASE]
# Prints the frame rates of the empty loop, the fill floor and the tunnel (both grid methods,
# and in two viewports of half the window each against one) with their ratios, the frames and
# animation steps per second of the paced loop at several frame rates, the frame loop against
# the loop as it was (frames against the refresh, distinct pictures, CPU time per second of
# flight with and without the X and Wine servers, the display off), then the resident memory of
# the real renderer (Vaporquill.dll) while it flies.
set -euo pipefail
build=$(cd "${1:?windows build dir}" && pwd)
dist=$(cd "${2:?dist dir}" && pwd)
seconds=${3:-4}
rounds=${4:-5}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
state="$build/bench-wine-env"

"$root/tools/wine_env.sh" up "$state" >/dev/null
renderer_pid=
server_pid=
cleanup() {
  if [ -n "$renderer_pid" ] && kill -0 "$renderer_pid" 2>/dev/null; then kill "$renderer_pid" 2>/dev/null || true; fi
  # NOTE: the world goes down through its running server first, which ends every process of the
  # prefix (the device services too, which would otherwise hold this script's output open).
  "$root/tools/wine_env.sh" down "$state"
  if [ -n "$server_pid" ] && kill -0 "$server_pid" 2>/dev/null; then kill "$server_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT
# shellcheck disable=SC1091
. "$state/env.sh"
export WINEDEBUG=-all
mkdir -p "$WINEPREFIX/drive_c/q_vosk"
cp "$root/assets/cloud.bmp" "$WINEPREFIX/drive_c/q_vosk/Cirrovance.bmp"

result="$build/tunnel_wine_bench.txt"
rm -f "$result"
wine "$build/renderer/bench/tunnel_wine_bench.exe" "$seconds" "$rounds" "Z:${result//\//\\}"
cat "$result"

pace_result="$build/tunnel_pace_bench.txt"
rm -f "$pace_result"
wine "$build/renderer/bench/tunnel_pace_bench.exe" "$seconds" "Z:${pace_result//\//\\}"
cat "$pace_result"

# The frames' cost outside the renderer's process is watched too: the X server's and that of
# a Wine server of our own, started once the boot's server has ended, so its id is known.
# VQ_BENCH_NICE (say -10, where one may raise priority) runs the three at that niceness, so
# other work on a shared machine starves neither loop of the comparison.
niceness=${VQ_BENCH_NICE:-0}
WINEPREFIX=$WINEPREFIX "$VQ_WINESERVER" -w
WINEPREFIX=$WINEPREFIX nice -n "$niceness" "$VQ_WINESERVER" -f -p &
server_pid=$!
[ "$niceness" = 0 ] || renice -n "$niceness" -p "$VQ_XVFB_PID" >/dev/null
export VQ_BENCH_HELPER_PIDS="$VQ_XVFB_PID $server_pid"
frames_result="$build/tunnel_frames_bench.txt"
rm -f "$frames_result"
nice -n "$niceness" "$VQ_WINE" "$build/renderer/bench/tunnel_frames_bench.exe" "$seconds" "Z:${frames_result//\//\\}"
unset VQ_BENCH_HELPER_PIDS
cat "$frames_result"

# The renderer itself, flying: its resident memory after a settling time, sampled twice.
# The loader itself, not the shell function wine(): $! is then the renderer's own process.
"$VQ_WINE" "$dist/Vaporquill.dll" &
renderer_pid=$!
sleep 8
rss1=$(awk '/VmRSS/ {print $2}' "/proc/$renderer_pid/status")
sleep 8
rss2=$(awk '/VmRSS/ {print $2}' "/proc/$renderer_pid/status")
echo "renderer resident memory while flying: $((rss1 / 1024)) MiB after 8 s, $((rss2 / 1024)) MiB after 16 s"
kill "$renderer_pid" 2>/dev/null || true
wait "$renderer_pid" 2>/dev/null || true
renderer_pid=
