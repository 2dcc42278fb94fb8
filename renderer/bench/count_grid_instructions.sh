#!/usr/bin/env bash
# Instructions per frame of the grid step, both ways, from callgrind: the difference between
# runs of 2000 and 1000 frames, so start-up costs cancel. Use an unsanitized build:
#   cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVQ_SANITIZE=OFF
#   cmake --build build/bench --target tunnel_grid_frames
#   renderer/bench/count_grid_instructions.sh build/bench/renderer/bench/tunnel_grid_frames
set -euo pipefail
program=${1:?path to tunnel_grid_frames}
refs() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$program" "$1" "$2" 2>&1 |
    awk '/I *refs:/ {gsub(",", "", $NF); print $NF}'
}
for method in per-ring per-vertex; do
  short=$(refs "$method" 1000)
  long=$(refs "$method" 2000)
  echo "$method: $(( (long - short) / 1000 )) instructions per frame"
done
