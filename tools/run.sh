#!/usr/bin/env bash
# Builds the pair and runs the screen saver under Wine for a few seconds, then saves a
# screenshot and ends everything it started. Arguments go to Vaporquill.scr (default /s):
#   tools/run.sh          the saver, full screen
#   tools/run.sh /c       the settings dialog
#   tools/run.sh /p 0     the preview
# VQ_RUN_SECONDS sets how long it runs (default 8). On $DISPLAY when there is one,
# otherwise on a virtual display of its own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/setup_debian.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j 2

missing=()
for f in Vaporquill.scr Vaporquill.dll; do [ -f "dist/$f" ] || missing+=("dist/$f"); done
if [ ${#missing[@]} -gt 0 ]; then
  echo "run: not built yet: ${missing[*]}; the screen saver cannot run without both programs." >&2
  exit 1
fi

state="$root/build/run-env"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  VQ_USE_DISPLAY=$DISPLAY tools/wine_env.sh up "$state"
else
  tools/wine_env.sh up "$state"
fi
trap 'tools/wine_env.sh down "$state"' EXIT
# shellcheck disable=SC1091
. "$state/env.sh"
export WINEDEBUG=-all

# The pair goes where a user would put it: one folder, side by side.
folder="$WINEPREFIX/drive_c/Vaporquill"
mkdir -p "$folder"
cp dist/Vaporquill.scr dist/Vaporquill.dll "$folder/"

args=("$@")
[ ${#args[@]} -gt 0 ] || args=(/s)
wine 'C:\Vaporquill\Vaporquill.scr' "${args[@]}" &
saver_pid=$!
sleep "${VQ_RUN_SECONDS:-8}"

shot="$root/build/run-screenshot.png"
import -window root "$shot" && echo "run: screenshot saved to $shot"
kill "$saver_pid" 2>/dev/null || true
wait "$saver_pid" 2>/dev/null || true
