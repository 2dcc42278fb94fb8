#!/usr/bin/env bash
# The private Wine world of one test run: an Xvfb display of its own and a prefix booted
# once, both recorded in STATE_DIR/env.sh so that every test can enter them.
#   wine_env.sh up STATE_DIR [win64|win32]   start the display, boot the prefix, write env.sh
#                                            (default win64; VQ_USE_DISPLAY=:N uses that
#                                            display instead of an Xvfb)
#   wine_env.sh down STATE_DIR               end the prefix's processes and the display, by id
# The display is one Xvfb screen of 1280 x 1024. VQ_MONITORS="1280x1024 1024x768 ..." gives
# several monitors instead, left to right with the first one primary: Xorg's dummy driver
# (xserver-xorg-video-dummy) shows them as RandR outputs, from which Wine takes its monitors.
# VQ_LOGPIXELS=144 gives the prefix that DPI (HKCU\Control Panel\Desktop LogPixels), as a
# display scaled to 150 % does on Windows: every program of the world sees it.
# Every step that fails says which it was and shows the first lines of what went wrong.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/wine_loader.sh
. "$here/wine_loader.sh"
cmd=${1:?up or down}
state=${2:?state directory}
arch=${3:-win64}
mkdir -p "$state"
state=$(cd "$state" && pwd)
logpixels=${VQ_LOGPIXELS:-}  # empty: Wine's own 96

fail() { echo "wine_env: $1" >&2; shift; [ $# -gt 0 ] && [ -s "$1" ] && head -n 20 "$1" | sed 's/^/    /' >&2; return 0; }

wine_env_down() {
  if [ -f "$state/env.sh" ]; then
    # shellcheck disable=SC1091
    . "$state/env.sh"
    [ -x "${VQ_WINESERVER:-}" ] && WINEPREFIX=$WINEPREFIX "$VQ_WINESERVER" -k 2>/dev/null || true
    if [ -n "${VQ_XVFB_PID:-}" ] && kill -0 "$VQ_XVFB_PID" 2>/dev/null; then
      kill "$VQ_XVFB_PID" 2>/dev/null || true
      for _ in $(seq 50); do kill -0 "$VQ_XVFB_PID" 2>/dev/null || break; sleep 0.1; done
      kill -9 "$VQ_XVFB_PID" 2>/dev/null || true
    fi
    rm -f "$state/env.sh"
  fi
}

if [ "$cmd" = down ]; then
  wine_env_down
  exit 0
fi

wine_env_down   # a run that died before its clean-up leaves nothing behind for this one
vq_wine_programs "$arch"
vq_check_wine_loader || exit 1

# Xorg with the dummy driver, one output per monitor of VQ_MONITORS, placed left to right.
start_xorg_monitors() {
  local sizes
  read -r -a sizes <<<"$VQ_MONITORS"
  if ! command -v Xorg >/dev/null || ! command -v xrandr >/dev/null; then
    fail "step 'start Xorg with the dummy driver' failed: Xorg or xrandr is missing; run tools/setup_debian.sh"
    exit 1
  fi
  cat >"$state/xorg.conf" <<CONF
Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "AutoEnableDevices" "false"
  Option "DontVTSwitch" "true"
EndSection
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 131072
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0 - 1000.0
  VertRefresh 5.0 - 200.0
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Modes "${sizes[0]}"
  EndSubSection
EndSection
CONF
  rm -f "$state/display"
  Xorg -displayfd 3 -config "$state/xorg.conf" -logfile "$state/xorg.log" -noreset -nolisten tcp \
    -novtswitch -sharevts 3>"$state/display" >"$state/xserver.log" 2>&1 &
  x_pid=$!
  if ! wait_for_display "$x_pid"; then
    fail "step 'start Xorg with the dummy driver' failed: the server ended or gave no display within 60 s; its log:" "$state/xserver.log"
    kill "$x_pid" 2>/dev/null || true; exit 1
  fi
  display=":$(tr -d '[:space:]' <"$state/display")"
  local i previous=
  for i in "${!sizes[@]}"; do
    if ! place_output "DUMMY$i" "${sizes[$i]}" "$previous" >"$state/xrandr.log" 2>&1; then
      fail "step 'place monitor DUMMY$i (${sizes[$i]})' failed; is it one of the dummy driver's modes?" \
           "$state/xrandr.log"
      kill "$x_pid" 2>/dev/null || true; exit 1
    fi
    previous=DUMMY$i
  done
  # NOTE: a full query makes the server probe its outputs again; until one has, a client that
  # asks for the current resources only (as Wine does) may see the first monitor alone.
  if ! DISPLAY=$display xrandr --query >"$state/xrandr.log" 2>&1; then
    fail "step 'query the monitors' failed:" "$state/xrandr.log"; kill "$x_pid" 2>/dev/null || true; exit 1
  fi
}

# wait_for_display PID: the X server writes its display number once it accepts clients; a
# loaded machine may take a while, a server that died will never do it.
wait_for_display() {
  for _ in $(seq 600); do
    [ -s "$state/display" ] && return 0
    kill -0 "$1" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# place_output OUTPUT SIZE [LEFT_NEIGHBOUR]: the first output is the primary monitor; the
# ones after it start without modes and are each given their own.
place_output() {
  if [ -z "$3" ]; then
    DISPLAY=$display xrandr --output "$1" --mode "$2" --primary
  else
    DISPLAY=$display xrandr --addmode "$1" "$2" && DISPLAY=$display xrandr --output "$1" --mode "$2" --right-of "$3"
  fi
}

x_pid=
if [ -n "${VQ_USE_DISPLAY:-}" ]; then
  display=$VQ_USE_DISPLAY   # a person's own screen, for the run command
elif [ -n "${VQ_MONITORS:-}" ]; then
  start_xorg_monitors
else
  # Xvfb picks a free display number itself and writes it to fd 3.
  rm -f "$state/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset ${VQ_XVFB_OPTIONS:-} 3>"$state/display" \
    >"$state/xvfb.log" 2>&1 &
  x_pid=$!
  if ! wait_for_display "$x_pid"; then
    fail "step 'start Xvfb' failed: the server ended or gave no display within 60 s; its log:" "$state/xvfb.log"
    kill "$x_pid" 2>/dev/null || true; exit 1
  fi
  display=":$(tr -d '[:space:]' <"$state/display")"
fi

prefix="$state/prefix-$arch"
cat >"$state/env.sh" <<ENV
export DISPLAY=$display
export WINEPREFIX=$prefix
export WINEARCH=$arch
export VQ_WINE=$VQ_WINE
export VQ_WINESERVER=$VQ_WINESERVER
export WINELOADER=$VQ_WINE
export WINESERVER=$VQ_WINESERVER
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
export VQ_XVFB_PID=$x_pid  # the X server of the world, Xvfb or Xorg
export VQ_LOGPIXELS=${logpixels:-96}  # the DPI every program of the world sees
# The loader and server of this prefix's architecture, whatever Debian's scripts would pick.
wine() { "\$VQ_WINE" "\$@"; }
wineserver() { "\$VQ_WINESERVER" "\$@"; }
ENV
# shellcheck disable=SC1091
. "$state/env.sh"
export WINEDEBUG=-all

if [ ! -f "$prefix/system.reg" ]; then
  if ! wine wineboot.exe -i >"$state/wineboot.log" 2>&1 || ! wineserver -w; then
    fail "step 'boot the $arch prefix' ($VQ_WINE wineboot.exe -i) failed; the head of $state/wineboot.log:" \
         "$state/wineboot.log"
    wine_env_down; exit 1
  fi
fi
reg_add() {
  if ! wine reg add "$@" /f >"$state/reg.log" 2>&1; then
    fail "step 'reg add $1 /v $3' failed:" "$state/reg.log"; wine_env_down; exit 1
  fi
}
# No window manager runs on Xvfb: unmanaged windows keep Wine from waiting on withdrawals,
# and a crash ends the process with its code instead of waiting for a click on a dialog.
reg_add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
reg_add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
# WINE: Debian's Wine does not look in /usr/share/wine/fonts (fonts-wine), so the frame's
# caption buttons, drawn from the Marlett symbol font, would show the letters and digits
# that stand for their symbols; a copy in the prefix's own font folder is found.
fonts_dir="$prefix/drive_c/windows/Fonts"
mkdir -p "$fonts_dir"
for font in /usr/share/wine/fonts/marlett.ttf; do
  [ -f "$font" ] && cp -u "$font" "$fonts_dir/"
done
# WINE: the dialogs ask for "ＭＳ Ｐゴシック", a proportional Japanese font that Wine lacks;
# left alone it falls back to the fixed-pitch IPAGothic, whose wider captions break or get
# cut in labels laid out for the original. IPAPGothic (fonts-ipafont-gothic) is the
# proportional one, close to the original's widths.
reg_add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /t REG_SZ /d 'IPAPGothic'
if [ -n "$logpixels" ]; then
  reg_add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$logpixels"
fi
wineserver -w
# WINE: the server reads LogPixels when it starts: a new one starts with the next program.
if [ -n "$logpixels" ]; then wineserver -k 2>/dev/null || true; fi

acp=$(wine reg query 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP 2>/dev/null | tr -d '\r' | awk '/ACP/ {print $NF}')
if [ "$acp" != 932 ]; then
  fail "step 'check the code page' failed: the prefix's ANSI code page is '$acp', not 932; is the ja_JP.UTF-8 locale generated (tools/setup_debian.sh)?"
  wine_env_down
  exit 1
fi
# placed_monitors: the monitors this world put on its display, as "left top right bottom"
# lines in the order a sort gives, or nothing when the display is a person's own.
placed_monitors() {
  local sizes size x=0 w h
  if [ -n "${VQ_USE_DISPLAY:-}" ]; then return 0; fi
  read -r -a sizes <<<"${VQ_MONITORS:-1280x1024}"
  for size in "${sizes[@]}"; do
    w=${size%x*}; h=${size#*x}
    echo "$x 0 $((x + w)) $h"
    x=$((x + w))
  done | sort
}

# The world checks itself: a program of this architecture must see the monitors placed above.
if [ -n "${VQ_MONITOR_PROBE:-}" ] && placed=$(placed_monitors) && [ -n "$placed" ]; then
  seen=$(wine "$VQ_MONITOR_PROBE" 2>"$state/probe.log" | tr -d '\r' | sort) || true
  if [ "$seen" != "$placed" ]; then
    fail "step 'check the monitors' failed: a $arch program sees $(grep -c . <<<"$seen") monitor(s) [$(paste -sd, <<<"$seen")] where this world placed $(grep -c . <<<"$placed") [$(paste -sd, <<<"$placed")]; Wine's loader opens libXrandr and libXinerama itself at run time, so the likely cause is that this architecture's copies are missing (for win32: libxrandr2:i386, libxinerama1:i386; tools/setup_debian.sh installs them)." \
         "$state/probe.log"
    wine_env_down
    exit 1
  fi
fi
echo "wine_env: display $display, $arch prefix $prefix ($VQ_WINE), code page $acp"
