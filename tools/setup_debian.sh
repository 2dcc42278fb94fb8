#!/usr/bin/env bash
# Brings a Debian 12 machine to the point where Vaporquill builds and its tests run:
# the native toolchain, the mingw-w64 cross compilers (64-bit, and 32-bit kept buildable), 64-bit
# Wine, Xvfb, Xorg's dummy driver (the tests' desk of two monitors) and a Japanese locale.
# 32-bit Wine only where this machine's kernel starts 32-bit programs (tools/can_run_32bit.sh
# tries one). Idempotent: it installs only what is missing, so a
# second run takes seconds. Every failed step is named, with the first lines of its error.
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then exec sudo -E bash "$0" "$@"; fi
  echo "setup: run as root (apt-get installs packages)" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive

packages=(
  cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev
  git python3
  clang libclang-rt-14-dev
  mingw-w64 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine64
  libosmesa6-dev libglu1-mesa-dev libjpeg62-turbo-dev
  xvfb x11-utils imagemagick
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
  locales fonts-ipafont-gothic fonts-wine
)

here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "setup: step '$1' failed:" >&2; [ -s "$2" ] && { grep -E '^E:|[Ee]rror' "$2" || grep -v '^$' "$2"; } | head -n 20 | sed 's/^/    /' >&2; exit 1; }
log=$(mktemp "${TMPDIR:-/tmp}/vq-setup.XXXXXX")
trap 'rm -f "$log"' EXIT

# What Wine's loader opens itself at run time rather than linking (so its package only
# recommends it): Mesa's OpenGL, and the X extensions its X11 driver reads the monitors, the
# pointer and the windows' pictures through. Without libXrandr a program sees one monitor
# where Xorg placed two.
wine_runtime=(libgl1 libglx-mesa0 libgl1-mesa-dri
  libxrandr2 libxinerama1 libxrender1 libxi6 libxcursor1 libxcomposite1 libxfixes3 libxxf86vm1)
packages+=("${wine_runtime[@]}")

# The 32-bit Wine tests need Wine's 32-bit loader and the same run-time libraries for it,
# worth installing only where the kernel will start them.
if bash "$here/can_run_32bit.sh" >/dev/null 2>&1; then
  packages+=(wine32:i386 "${wine_runtime[@]/%/:i386}")
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386 >"$log" 2>&1 || fail "add the i386 architecture" "$log"
  fi
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt-get update -qq >"$log" 2>&1 || fail "apt-get update" "$log"
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >"$log" 2>&1 \
    || fail "apt-get install ${missing[*]}" "$log"
fi

# The users' machines run code page 932; Wine takes its ANSI code page from the locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  sed -i 's/^# *ja_JP.UTF-8/ja_JP.UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >"$log" 2>&1 || fail "locale-gen ja_JP.UTF-8" "$log"
fi

# Debian's mingw g++ defaults to the win32 thread model; the posix one gives std::thread and
# is what we link statically (winpthread included), so pick it for both cross compilers.
for tool in x86_64-w64-mingw32-g++ x86_64-w64-mingw32-gcc i686-w64-mingw32-g++ i686-w64-mingw32-gcc; do
  if [ -x "/usr/bin/${tool}-posix" ] && [ "$(readlink -f /etc/alternatives/$tool 2>/dev/null)" != "/usr/bin/${tool}-posix" ]; then
    update-alternatives --set "$tool" "/usr/bin/${tool}-posix" >/dev/null
  fi
done

echo "setup: ready"
