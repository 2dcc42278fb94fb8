#!/usr/bin/env bash
# Everything from a fresh Debian 12 machine to a full test run: installs what is missing,
# builds both trees, proves the release reproducible (two clones of the commit built apart,
# release/tests/release_test.sh), runs the native unit tests and then the Windows-side tests
# under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

step_started=$SECONDS
step_done() { echo "test.sh: $1 took $((SECONDS - step_started)) s"; step_started=$SECONDS; }

bash tools/setup_debian.sh
step_done "set-up"

cmake --preset native >/dev/null
cmake --build --preset native -j 2
step_done "native build"
cmake --preset windows >/dev/null
cmake --build --preset windows -j 2
step_done "Windows build"

status=0
bash release/tests/release_test.sh || status=1
step_done "release test"
ctest --preset native -j 2 || status=1
step_done "native tests"
# Windows-side tests share one Wine prefix and display; the fixture runs them in turn.
ctest --preset windows || status=1
step_done "Wine tests"
exit $status
