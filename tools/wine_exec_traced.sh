#!/usr/bin/env bash
# Runs a cross-built test under Wine with one Wine debug channel traced, the trace (of the
# test and of every program it starts) going to TRACE_FILE, whose path the test finds in
# VQ_WINE_TRACE. For tests that must see what reached the platform, such as the MCI command
# strings or the values passed to the profile functions.
#   wine_exec_traced.sh CHANNEL TRACE_FILE TEST_PROGRAM [args...]
set -uo pipefail
channel=${1:?debug channel, e.g. mci}
trace=${2:?trace file}
shift 2
mkdir -p "$(dirname "$trace")"
: >"$trace"
export VQ_WINE_TRACE=$trace
export VQ_WINEDEBUG=+$channel
"$(dirname "$0")/wine_exec.sh" "$@" 2>"$trace"
rc=$?
if [ "$rc" -ne 0 ]; then
  echo "--- last lines of the $channel trace ($trace) ---" >&2
  tail -n 40 "$trace" >&2
fi
exit "$rc"
