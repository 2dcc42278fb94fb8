#!/usr/bin/env bash
# Everything from a fresh Debian 12 machine to a full test run: installs what is missing,
# builds the 64-bit pair, the 32-bit pair and the native tree, proves the release reproducible
# (two clones of the commit built apart, release/tests/release_test.sh), runs the native unit
# tests, then the Windows-side tests under Wine: the 64-bit ones always, the 32-bit ones where
# this machine can start 32-bit programs. A failed step is named, with its first error lines.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
vq_script_name=test.sh
# shellcheck source=tools/steps.sh
. tools/steps.sh

vq_step "set-up" bash tools/setup_debian.sh

vq_step "native configure" cmake --preset native
vq_step "native build" cmake --build --preset native -j 2
vq_step "64-bit Windows configure" cmake --preset windows
vq_step "64-bit Windows build" cmake --build --preset windows -j 2
# The 32-bit pair is always built; its Wine tests (and so their programs) only where they can run.
vq_step "32-bit Windows configure" cmake --preset windows-x86
if why32=$(bash tools/can_run_32bit.sh); then
  vq_step "32-bit Windows build" cmake --build --preset windows-x86 -j 2
else
  vq_step "32-bit Windows build (the pair)" cmake --build --preset windows-x86 -j 2 --target Vaporquill Tunnel
fi

failed=()
vq_step "release test" bash release/tests/release_test.sh || failed+=("release test")
vq_step "native tests" ctest --preset native -j 2 || failed+=("native tests")
# Windows-side tests share one Wine prefix and display per build; the fixture runs them in turn.
vq_step "64-bit Wine tests" ctest --preset windows || failed+=("64-bit Wine tests")
if [ "$why32" = yes ]; then
  echo "test.sh: running the 32-bit Wine tests: this machine starts 32-bit programs"
  vq_step "32-bit Wine tests" ctest --preset windows-x86 || failed+=("32-bit Wine tests")
else
  echo "test.sh: 32-bit pair built, its Wine tests not run: ${why32#no: } (tools/can_run_32bit.sh)"
fi

if [ ${#failed[@]} -gt 0 ]; then
  echo "test.sh: FAILED: ${failed[*]}" >&2
  exit 1
fi
echo "test.sh: all steps passed"
