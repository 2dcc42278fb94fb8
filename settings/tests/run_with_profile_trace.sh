#!/usr/bin/env bash
# Runs a cross-built test under Wine with the profile trace on and its stderr in TRACE_FILE,
# which the test reads (VQ_PROFILE_TRACE) to see the values its children passed to the
# profile functions (Wine drops a value's leading blanks before writing the file).
#   run_with_profile_trace.sh TRACE_FILE WINE_EXEC TEST_PROGRAM [args...]
set -uo pipefail
trace=${1:?trace file}
wine_exec=${2:?wine_exec.sh}
shift 2
mkdir -p "$(dirname "$trace")"
: >"$trace"
export VQ_PROFILE_TRACE=$trace
export VQ_WINEDEBUG=+profile
"$wine_exec" "$@" 2>"$trace"
rc=$?
if [ "$rc" -ne 0 ]; then
  echo "--- last lines of the profile trace ($trace) ---" >&2
  tail -n 40 "$trace" >&2
fi
exit "$rc"
