#!/usr/bin/env bash
# Everything from a fresh Debian 12 machine to a full test run: installs what is missing,
# builds both trees, runs the native unit tests and then the Windows-side tests under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/setup_debian.sh

cmake --preset native >/dev/null
cmake --build --preset native -j 2
cmake --preset windows >/dev/null
cmake --build --preset windows -j 2

status=0
ctest --preset native -j 2 || status=1
# Windows-side tests share one Wine prefix and display; the fixture runs them in turn.
ctest --preset windows || status=1
exit $status
