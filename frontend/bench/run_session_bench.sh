#!/usr/bin/env bash
# Timed run of a whole saver session under Wine, in a Wine environment of its own: the CPU time
# of the screen saver and its renderer per second while flying, and while the display is off.
#   run_session_bench.sh WINDOWS_BUILD_DIR DIST_DIR [SECONDS_PER_PHASE]
# The pair is installed in C:\vqbench with settings that choose an MP3 file; a do-nothing
# MPEGVideo driver plays it (WINE: Wine has no MP3 decoder here), so the music's timer and
# commands run as they would.
set -euo pipefail
build=$(cd "${1:?windows build dir}" && pwd)
dist=$(cd "${2:?dist dir}" && pwd)
seconds=${3:-5}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
state="$build/bench-session-env"

"$root/tools/wine_env.sh" up "$state" >/dev/null
trap '"$root/tools/wine_env.sh" down "$state"' EXIT
# shellcheck disable=SC1091
. "$state/env.sh"
export WINEDEBUG=-all

folder="$WINEPREFIX/drive_c/vqbench"
rm -rf "$folder"
mkdir -p "$folder"
cp "$dist/Vaporquill.scr" "$dist/Vaporquill.dll" "$build/music/null_mci_driver.dll" "$folder/"
printf 'not really an mp3' >"$folder/song.mp3"
# The settings file as the program writes it: kind 2, no repeat, the song.
printf '[Section]\r\nBGM\x8b\xe6\x95\xaa= 2\r\nBGM\xd8\xcb\xdf\xb0\xc4= 0\r\nBGM\xcc\xa7\xb2\xd9=C:\\vqbench\\song.mp3\r\n' \
  >"$folder/Vaporquill.ini"
mci='HKLM\Software\Microsoft\Windows NT\CurrentVersion\MCI'
wine reg add "$mci" /f >/dev/null 2>&1
wine reg add "$mci" /v MPEGVideo /t REG_SZ /d 'C:\vqbench\null_mci_driver.dll' /f >/dev/null 2>&1

result="$build/session_power_bench.txt"
rm -f "$result"
wine "$build/frontend/bench/session_power_bench.exe" 'C:\vqbench' "$seconds" "Z:${result//\//\\}"
cat "$result"
