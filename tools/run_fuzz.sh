#!/usr/bin/env bash
# Builds one libFuzzer target with clang (libFuzzer, AddressSanitizer and UBSan) and runs it
# for a bounded number of inputs:
#   run_fuzz.sh WORK_DIR RUNS [--seed FILE]... SOURCE... [-- extra libFuzzer flags]
# SOURCE paths are relative to the repository root; the first is the target, named after it.
# Headers are found from the root and from each source's folder. Exits 77 (skipped) when
# clang with libFuzzer is not installed.
set -euo pipefail
work=${1:?work directory}
runs=${2:?number of inputs}
shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
seeds=() sources=() includes=(-I"$root")
while [ $# -gt 0 ]; do
  case $1 in
    --seed) seeds+=("$root/$2"); shift 2 ;;
    --) shift; break ;;
    *) sources+=("$root/$1"); includes+=(-I"$root/$(dirname "$1")"); shift ;;
  esac
done
[ ${#sources[@]} -gt 0 ] || { echo "run_fuzz: no sources" >&2; exit 2; }
name=$(basename "${sources[0]}" .cpp)

if ! command -v clang++ >/dev/null 2>&1; then
  echo "$name: clang++ not installed, skipping"; exit 77
fi
mkdir -p "$work/corpus"
if ! clang++ -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
     "${includes[@]}" "${sources[@]}" -o "$work/$name" 2>"$work/build.log"; then
  if grep -q -e "libclang_rt.fuzzer" -e "FuzzedDataProvider.h. file not found" -e "cannot find" "$work/build.log"; then
    echo "$name: clang's libFuzzer runtime is missing, skipping"; cat "$work/build.log"; exit 77
  fi
  cat "$work/build.log"; exit 1
fi
for seed in "${seeds[@]+"${seeds[@]}"}"; do cp "$seed" "$work/corpus/" 2>/dev/null || true; done
cd "$work"
exec "./$name" -runs="$runs" -max_len=65536 -rss_limit_mb=2048 -print_final_stats=1 "$@" corpus
