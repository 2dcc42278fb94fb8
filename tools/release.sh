#!/usr/bin/env bash
# Makes the downloads for Windows users from the current tree:
#   dist/Vaporquill-<version>-win64.zip          Vaporquill.scr, Vaporquill.dll, README.txt, LICENSE.txt
#   dist/Vaporquill-<version>-setup-win64.exe    the per-user setup, carrying the same pair
#   dist/SHA256SUMS                              both files' SHA-256 (check with `sha256sum -c SHA256SUMS`)
# The same commit makes the same bytes in any folder at any time: the build leaves out link
# times and folders, and the archive's entries carry the commit's time in a fixed order.
# It builds only the two programs and the setup, in build/release, so a developer's
# build/windows and dist/Vaporquill.scr stay as they were.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/setup_debian.sh

version=$(head -n 1 VERSION)
if ! commit_time=$(git log -1 --format=%ct 2>/dev/null); then
  echo "release: $root is not a git checkout; a release is made from a commit (git clone it)." >&2
  exit 1
fi
if [ -n "$(git status --porcelain)" ]; then
  echo "release: warning: the tree has uncommitted changes; this archive holds them, so it is" \
       "not the release of commit $(git rev-parse --short HEAD)." >&2
fi
# Anything in the build that asks for the time (__DATE__, __TIME__) gets the commit's.
export SOURCE_DATE_EPOCH=$commit_time

cmake --preset release >/dev/null
cmake --build --preset release -j 2
cmake --build --preset release -j 2 --target Vaporquill-Setup

archive=Vaporquill-$version-win64.zip
mkdir -p dist
python3 release/make_archive.py "dist/$archive" "$version" "$SOURCE_DATE_EPOCH" build/release/pair "$root"
setup=Vaporquill-$version-setup-win64.exe
# Copied beside its name and renamed, so an interrupted run never leaves a partial setup.
cp build/release/pair/Vaporquill-Setup.exe "dist/$setup.partial"
mv -f "dist/$setup.partial" "dist/$setup"
(cd dist && sha256sum "$archive" "$setup" >SHA256SUMS)
echo "release: dist/$archive, dist/$setup and dist/SHA256SUMS"
cat dist/SHA256SUMS
