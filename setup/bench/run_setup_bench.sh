#!/usr/bin/env bash
# Timed runs of the setup under Wine, in a Wine world of its own:
#   run_setup_bench.sh WINDOWS_BUILD_DIR DIST_DIR [ROUNDS]
# Prints the setup's size, then the median wall time of a quiet first install, a quiet
# upgrade and a quiet uninstall (by the list's own command), each also as a ratio to starting
# and ending a program that does nothing, measured in the same run: Wine's start of a program
# is most of any of them. Last, it shows the message of a normal install and saves the screen
# (import -window root) to WINDOWS_BUILD_DIR/setup_install_message.png for a person to look at.
set -euo pipefail
build=$(cd "${1:?windows build dir}" && pwd)
dist=$(cd "${2:?dist dir}" && pwd)
rounds=${3:-7}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
state="$build/setup-bench-wine-env"
setup="$dist/Vaporquill-Setup.exe"
probe="$build/testing/code_page_probe.exe"

"$root/tools/wine_env.sh" up "$state" >/dev/null
shown_pid=
cleanup() {
  if [ -n "$shown_pid" ] && kill -0 "$shown_pid" 2>/dev/null; then kill "$shown_pid" 2>/dev/null || true; fi
  "$root/tools/wine_env.sh" down "$state"
}
trap cleanup EXIT
# shellcheck disable=SC1091
. "$state/env.sh"
export WINEDEBUG=-all
installed='C:\users\'"${USER:-$(id -un)}"'\AppData\Local\Programs\Vaporquill\Vaporquill-Setup.exe'

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# Runs a command, checks its exit code, prints its wall time in ms.
timed() {
  local want=$1 start end rc=0
  shift
  start=$(now_ms)
  "$@" || rc=$?
  end=$(now_ms)
  if [ "$rc" -ne "$want" ]; then echo "setup bench: '$*' ended with $rc, not $want" >&2; exit 1; fi
  echo $((end - start))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo "setup size: $(stat -c %s "$setup") bytes (the pair inside: $(($(stat -c %s "$dist/Vaporquill.scr") + $(stat -c %s "$dist/Vaporquill.dll"))) bytes)"
wine "$probe" >/dev/null 2>&1 || true  # the first start of a program loads Wine's own libraries
: >"$state/baseline" ; : >"$state/install" ; : >"$state/upgrade" ; : >"$state/uninstall"
for _ in $(seq "$rounds"); do
  # code_page_probe ends with the code page as its exit code: 932 & 255 = 164.
  timed 164 wine "$probe" >>"$state/baseline"
  timed 0 wine "$setup" /quiet >>"$state/install"
  timed 0 wine "$setup" /quiet >>"$state/upgrade"
  timed 0 wine "$installed" /uninstall /quiet >>"$state/uninstall"
done
base=$(median <"$state/baseline")
for what in install upgrade uninstall; do
  ms=$(median <"$state/$what")
  echo "quiet $what: ${ms} ms median of $rounds, $(awk -v a="$ms" -v b="$base" 'BEGIN { printf "%.2f", a / b }') x a do-nothing program's start (${base} ms)"
done

# The message of a normal install, as the user sees it.
wine "$setup" &
shown_pid=$!
for _ in $(seq 300); do
  if xwininfo -root -tree 2>/dev/null | grep -q 'Vaporquill'; then break; fi
  sleep 0.1
done
import -window root "$build/setup_install_message.png"
kill "$shown_pid" 2>/dev/null || true
wait "$shown_pid" 2>/dev/null || true
shown_pid=
timed 0 wine "$installed" /uninstall /quiet >/dev/null
echo "screenshot: $build/setup_install_message.png"
