#!/usr/bin/env bash
# The release is reproducible and complete. Two clones of the current commit, in two folders
# of different names and depths, each run tools/release.sh one after the other, with
# different time zones and umasks; their .scr, .dll, setup, archive and SHA256SUMS must be the
# same bytes. Then every entry of the archive, and the setup, is checked (check_archive.py).
# Uncommitted changes are not part of a release: the commit is tested as committed.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"

commit=$(git rev-parse HEAD)
if [ -n "$(git status --porcelain)" ]; then
  echo "release test: the tree has uncommitted changes; they are not part of a release, so this" \
       "tests commit ${commit:0:12} as committed, without them:"
  git status --short | head -n 10 | sed 's/^/    /'
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/vq-release-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
first=$work/first/Vaporquill
second=$work/second/a/longer/folder/vq-copy

status=0
fail() { echo "release test: FAIL: $*"; status=1; }

release_in() {
  local clone=$1 zone=$2 mask=$3 started=$SECONDS
  git clone -q --no-checkout "$root" "$clone"
  git -C "$clone" fetch -q "$root" HEAD   # the commit, even when it is on no branch
  git -C "$clone" checkout -q --detach "$commit"
  if ! (cd "$clone" && umask "$mask" && TZ=$zone bash tools/release.sh >"$clone.log" 2>&1); then
    tail -n 30 "$clone.log"
    echo "release test: FAIL: tools/release.sh failed in $clone"
    exit 1
  fi
  echo "release test: built in $clone ($((SECONDS - started)) s, TZ=$zone, umask $mask)"
  # A release that changed a tracked file would not be the commit's.
  if [ -n "$(git -C "$clone" status --porcelain)" ]; then
    fail "tools/release.sh left changes in the checkout: $(git -C "$clone" status --short | head -n 5)"
  fi
}

release_in "$first" UTC 022
release_in "$second" Asia/Tokyo 077

version=$(head -n 1 "$first/VERSION")
for file in build/release/pair/Vaporquill.scr build/release/pair/Vaporquill.dll \
            build/release/pair/Vaporquill-Setup.exe "dist/Vaporquill-$version-win64.zip" \
            "dist/Vaporquill-$version-setup-win64.exe" dist/SHA256SUMS; do
  if cmp -s "$first/$file" "$second/$file"; then
    echo "release test: same bytes: $file"
  else
    differing=$(cmp -l "$first/$file" "$second/$file" 2>/dev/null | wc -l || true)
    where=$(cmp "$first/$file" "$second/$file" 2>&1 | sed -n 's/.*differ: //p' || true)
    fail "$file differs between the two builds ($differing bytes differ, the first at $where)"
  fi
done

python3 release/tests/check_archive.py "$first/dist" "$first" "$(git log -1 --format=%ct "$commit")" || status=1
exit $status
