#!/usr/bin/env bash
# Runs one cross-built program under Wine inside the run's private display and prefix
# (see wine_env.sh). Used as CMake's cross-compiling emulator, so ctest calls it for every
# Windows-side test. Quiet Wine unless the caller asks for a trace through VQ_WINEDEBUG.
set -euo pipefail
state=${VQ_WINE_ENV:-$(cd "$(dirname "$0")/.." && pwd)/build/windows/wine-env}
if [ ! -f "$state/env.sh" ]; then
  echo "wine_exec: no Wine environment at $state; run tools/wine_env.sh up $state" >&2
  exit 125
fi
# shellcheck disable=SC1091
. "$state/env.sh"
export WINEDEBUG=${VQ_WINEDEBUG:--all}
# A hung test must not outlive its time: the bound here is generous, ctest's is the backstop.
exec timeout -k 10 "${VQ_WINE_TIMEOUT:-600}" "$VQ_WINE" "$@"
