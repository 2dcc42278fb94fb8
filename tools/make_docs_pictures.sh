#!/usr/bin/env bash
# Remakes the README's pictures in docs/ from the real programs under Wine, on a virtual
# display of its own: the flight (Vaporquill.scr /s), the settings dialog (/c) and the
# preview form as the Display Settings show it, enlarged twice.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/setup_debian.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j 2

state="$root/build/docs-env"
tools/wine_env.sh up "$state" >/dev/null
trap 'tools/wine_env.sh down "$state"' EXIT
# shellcheck disable=SC1091
. "$state/env.sh"
export WINEDEBUG=-all
folder="$WINEPREFIX/drive_c/Vaporquill"
mkdir -p "$folder" docs
cp dist/Vaporquill.scr dist/Vaporquill.dll "$folder/"

# The X window of a Wine window, by its title; empty until it exists.
x_window() { xwininfo -root -tree 2>/dev/null | awk -v t="\"$1\"" 'index($0, t) { print $1; exit }'; }
wait_for_window() {
  for _ in $(seq 300); do
    id=$(x_window "$1")
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "docs: no window \"$1\" appeared" >&2
  return 1
}
end_wine_programs() { wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; }

# The flight: a few seconds in, scaled to half size.
wine 'C:\Vaporquill\Vaporquill.scr' /s &
wait_for_window Cirrovance_Tunnel >/dev/null
sleep 4  # for the picture only: some way into the flight
import -window root -resize 50% -quality 85 docs/flight.jpg
end_wine_programs

# The settings dialog, with its frame.
wine 'C:\Vaporquill\Vaporquill.scr' /c &
dialog=$(wait_for_window '<Vaporquill>')
sleep 1  # for the picture only: the opening zoom has played
import -window root -crop "$(xwininfo -id "$dialog" | awk '/Width:/ {w=$2} /Height:/ {h=$2} /Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print w "x" h "+" x "+" y}')" +repage docs/settings.png
end_wine_programs

# The preview: the front end's preview form in a host window that plays the Display
# Settings' preview pane. WINE: a child of another process's window shows nothing under
# Wine, so the form runs inside the end-to-end test's own host window, which saves the
# screen for us.
shot="$root/build/docs-env/preview.bmp"
rm -f "$shot"
VQ_WINE_ENV="$state" VQ_PREVIEW_SHOT="$shot" tools/wine_exec.sh build/windows/frontend/preview_form_e2e_test.exe \
  --gtest_filter='*PreviewInHost*' >/dev/null
convert "$shot" -trim +repage -scale 200% docs/preview.png

echo "docs: pictures written to docs/"
