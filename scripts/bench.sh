#!/bin/sh
# Builds the benchmarks in an optimised build and runs them.
set -eu
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-deps.sh"
build="$top/build/bench"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DDORV_BENCHMARKS=ON -DBUILD_TESTING=OFF
cmake --build "$build" -j"$(nproc)"
for b in "$build"/bench/bench_*; do
  if [ -f "$b" ] && [ -x "$b" ]; then "$b"; fi
done
