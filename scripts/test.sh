#!/bin/sh
# Installs what is needed, builds and runs the whole test suite headless: once plainly and
# once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
for variant in plain sanitize; do
  build="$top/build/test-$variant"
  sanitize=OFF; [ "$variant" = sanitize ] && sanitize=ON
  cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DDORV_SANITIZE=$sanitize
  cmake --build "$build" -j"$jobs"
  ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$build" --output-on-failure -j"$jobs"
done
