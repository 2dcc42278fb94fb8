#!/usr/bin/env bash
# Timed run of the renderer under Wine at the Xvfb resolution (1280x1024), in a Wine
# environment of its own:  run_wine_bench.sh WINDOWS_BUILD_DIR DIST_DIR [SECONDS_PER_PHASE]
# Prints the frame rates of the empty loop and of the tunnel (both grid methods) with their
# ratios, the frames and animation steps per second of the paced loop at several frame rates,
# then the resident memory of the real renderer (Vaporquill.dll) while it flies.
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
cleanup() {
  if [ -n "$renderer_pid" ] && kill -0 "$renderer_pid" 2>/dev/null; then kill "$renderer_pid" 2>/dev/null || true; fi
  "$root/tools/wine_env.sh" down "$state"
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

# The renderer itself, flying: its resident memory after a settling time, sampled twice.
wine "$dist/Vaporquill.dll" &
renderer_pid=$!
sleep 8
rss1=$(awk '/VmRSS/ {print $2}' "/proc/$renderer_pid/status")
sleep 8
rss2=$(awk '/VmRSS/ {print $2}' "/proc/$renderer_pid/status")
echo "renderer resident memory while flying: $((rss1 / 1024)) MiB after 8 s, $((rss2 / 1024)) MiB after 16 s"
kill "$renderer_pid" 2>/dev/null || true
wait "$renderer_pid" 2>/dev/null || true
renderer_pid=
