#!/usr/bin/env bash
# Builds the pair and runs the screen saver under Wine for a few seconds, then saves a
# screenshot and ends everything it started. Arguments go to Vaporquill.scr (default /s):
#   tools/run.sh          the saver, full screen
#   tools/run.sh /c       the settings dialog
#   tools/run.sh /p 0     the preview
# VQ_RUN_SECONDS sets how long it runs (default 8). On $DISPLAY when there is one,
# otherwise on a virtual display of its own. The 64-bit pair runs in a 64-bit prefix through
# Wine's 64-bit loader. A failed step is named, with its first error lines.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
vq_script_name=run
# shellcheck source=tools/steps.sh
. tools/steps.sh

vq_step "set-up" bash tools/setup_debian.sh
vq_step "configure" cmake --preset windows
vq_step "build" cmake --build --preset windows -j 2 --target Vaporquill Tunnel

missing=()
for f in Vaporquill.scr Vaporquill.dll; do [ -f "dist/$f" ] || missing+=("dist/$f"); done
if [ ${#missing[@]} -gt 0 ]; then
  echo "run: not built yet: ${missing[*]}; the screen saver cannot run without both programs." >&2
  exit 1
fi

state="$root/build/run-env"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  VQ_USE_DISPLAY=$DISPLAY vq_step "Wine world" tools/wine_env.sh up "$state" win64
else
  vq_step "Wine world" tools/wine_env.sh up "$state" win64
fi
trap 'tools/wine_env.sh down "$state"; rm -f "$vq_step_log"' EXIT
# NOTE: the world's env.sh is entered only by new processes (wine_exec.sh, the bash below):
# this shell started before set-up may have made the Japanese locale, and glibc never sees a
# locale made after a process's first look, so entering it here would warn that it is missing.
world() { bash -c '. "$1/env.sh"; shift; "$@"' world "$state" "$@"; }

# The pair goes where a user would put it: one folder, side by side.
folder="$(world printenv WINEPREFIX)/drive_c/Vaporquill"
mkdir -p "$folder"
cp dist/Vaporquill.scr dist/Vaporquill.dll "$folder/"

args=("$@")
[ ${#args[@]} -gt 0 ] || args=(/s)
VQ_WINE_ENV=$state tools/wine_exec.sh 'C:\Vaporquill\Vaporquill.scr' "${args[@]}" &
saver_pid=$!
sleep "${VQ_RUN_SECONDS:-8}"

shot="$root/build/run-screenshot.png"
if ! kill -0 "$saver_pid" 2>/dev/null; then
  rc=0; wait "$saver_pid" || rc=$?
  echo "run: the screen saver ended before ${VQ_RUN_SECONDS:-8} s with exit status $rc" >&2
fi
world import -window root "$shot" && echo "run: screenshot saved to $shot"
kill "$saver_pid" 2>/dev/null || true
wait "$saver_pid" 2>/dev/null || true
