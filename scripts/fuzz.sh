#!/bin/sh
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for SECONDS (default 30) over its seed corpus in fuzz/corpus/<target>/.
# Prints the executions per target and fails when any target finds a fault; the input that
# found it is left in build/fuzz/findings/<target>/. New inputs the runs discover go to
# build/fuzz/discovered/<target>/, so the committed seeds stay small.
set -eu
seconds=${1:-30}
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh" fuzz
build="$top/build/fuzz"
launcher=""
command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
cmake -S "$top" -B "$build" -DDORV_FUZZ=ON -DBUILD_TESTING=OFF -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 $launcher >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_targets

# Faults already known and awaiting their fix elsewhere are named in fuzz/known-faults.supp;
# their inputs wait in fuzz/pending/<target>/.
export TZ=UTC
# Every input lays out a fresh data directory; in memory that is many times faster than on disk.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:suppressions=$top/fuzz/known-faults.supp"
failed=""
for corpus in "$top"/fuzz/corpus/*/; do
  name=$(basename "$corpus")
  discovered="$build/discovered/$name"
  findings="$build/findings/$name"
  log="$build/logs/$name.log"
  mkdir -p "$discovered" "$findings" "$build/logs"
  status=0
  "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
    "$discovered" "$corpus" >"$log" 2>&1 || status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  printf '%-18s %12s executions\n' "$name" "${executions:-?}"
  if [ "$status" -ne 0 ]; then
    failed="$failed $name"
    grep -E 'ERROR|runtime error|SUMMARY|Test unit written' "$log" | head -n 5 | sed 's/^/    /'
  fi
done
if [ -n "$failed" ]; then
  echo "Findings in:$failed (logs in $build/logs/)"
  exit 1
fi
echo "No findings."
