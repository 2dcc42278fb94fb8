#!/usr/bin/env bash
# Runs a cross-built test under Wine with the MCI trace on and its stderr in TRACE_FILE,
# which the test reads (VQ_MCI_TRACE) to see the command strings it sent.
#   run_with_mci_trace.sh TRACE_FILE WINE_EXEC TEST_PROGRAM [args...]
set -uo pipefail
trace=${1:?trace file}
wine_exec=${2:?wine_exec.sh}
shift 2
mkdir -p "$(dirname "$trace")"
: >"$trace"
export VQ_MCI_TRACE=$trace
export VQ_WINEDEBUG=+mci
"$wine_exec" "$@" 2>"$trace"
rc=$?
if [ "$rc" -ne 0 ]; then
  echo "--- last lines of the MCI trace ($trace) ---" >&2
  tail -n 40 "$trace" >&2
fi
exit "$rc"
