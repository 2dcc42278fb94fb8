#!/usr/bin/env bash
# Builds the bitmap reader's fuzz target with clang (libFuzzer + AddressSanitizer) and runs
# it for a bounded number of inputs:  run_bmp_fuzz.sh WORK_DIR [RUNS] [extra libFuzzer flags]
# Exits 77 (skipped) when clang with libFuzzer is not installed.
set -euo pipefail
work=${1:?work directory}
runs=${2:-20000}
shift $(( $# >= 2 ? 2 : 1 ))
here=$(cd "$(dirname "$0")" && pwd)
src=$(cd "$here/.." && pwd)

if ! command -v clang++ >/dev/null 2>&1; then
  echo "bmp fuzz: clang++ not installed, skipping"; exit 77
fi
mkdir -p "$work/corpus"
if ! clang++ -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
     -I"$src" "$src/fuzz/bmp_fuzz.cpp" "$src/bmp_decode.cpp" -o "$work/bmp_fuzz" 2>"$work/build.log"; then
  if grep -q -e "libclang_rt.fuzzer" -e "cannot find" "$work/build.log"; then
    echo "bmp fuzz: clang's libFuzzer runtime is missing, skipping"; cat "$work/build.log"; exit 77
  fi
  cat "$work/build.log"; exit 1
fi
# Seed with the real texture so the fuzzer starts from a valid file.
cp "$src/../assets/cloud.bmp" "$work/corpus/cloud.bmp" 2>/dev/null || true
cd "$work"
exec ./bmp_fuzz -runs="$runs" -max_len=65536 -rss_limit_mb=2048 -print_final_stats=1 "$@" corpus
