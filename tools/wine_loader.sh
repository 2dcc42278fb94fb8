# Sourced by the Wine scripts: the loader and server of one Wine architecture, run directly.
# Debian's `wine` and `wineboot` scripts start the 32-bit loader whenever wine32 is installed,
# even for a 64-bit prefix, and some machines' kernels refuse every 32-bit program; so the
# 64-bit world always names wine64 itself.
#   vq_wine_programs win64|win32   sets VQ_WINE (the loader) and VQ_WINESERVER
vq_wine_programs() {
  case "$1" in
    win64) VQ_WINE=/usr/lib/wine/wine64; VQ_WINESERVER=/usr/lib/wine/wineserver64 ;;
    win32) VQ_WINE=/usr/lib/wine/wine;   VQ_WINESERVER=/usr/lib/wine/wineserver32 ;;
    *) echo "wine: unknown Wine architecture '$1' (win64 or win32)" >&2; return 2 ;;
  esac
}

# vq_check_wine_loader: says in a sentence why this machine cannot start the loader, if it can't.
vq_check_wine_loader() {
  local out rc
  if [ ! -x "$VQ_WINE" ]; then
    if [ "$VQ_WINE" = /usr/lib/wine/wine64 ]; then
      echo "wine: $VQ_WINE is not installed (package wine64); run tools/setup_debian.sh" >&2
    elif why=$(bash "$(dirname "${BASH_SOURCE[0]}")/can_run_32bit.sh"); then
      echo "wine: $VQ_WINE is not installed (package wine32:i386); run tools/setup_debian.sh" >&2
    else
      echo "wine: no 32-bit Windows program can run on this machine: Wine's 32-bit loader is not installed, and ${why#no: }" >&2
    fi
    return 1
  fi
  out=$("$VQ_WINE" --version 2>&1) && return 0
  rc=$?
  echo "wine: this machine cannot start Wine's loader $VQ_WINE (exit status $rc): $(printf '%s' "$out" | head -n 3)" >&2
  if [ "$rc" = 126 ]; then
    echo "wine: the kernel refuses to run programs of that architecture here, so no Windows program of it can run on this machine" >&2
  fi
  return 1
}
