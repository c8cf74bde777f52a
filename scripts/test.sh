#!/bin/sh
# Installs what is needed, builds and runs the whole test suite headless three times, every
# build with warnings as errors: with GCC optimised as for release; with GCC under
# AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer; and with clang.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
# A compiler cache, where there is one, makes the next run quick.
launcher=""
command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"

# build_and_test <build directory name> <cmake options>...
build_and_test() {
  build="$top/build/test-$1"
  shift
  cmake -S "$top" -B "$build" -DDORV_WERROR=ON $launcher "$@"
  cmake --build "$build" -j"$jobs"
  ctest --test-dir "$build" --output-on-failure -j"$jobs"
}

build_and_test gcc -DCMAKE_CXX_COMPILER=g++ -DCMAKE_BUILD_TYPE=Release
(
  export ASAN_OPTIONS=detect_leaks=1
  export UBSAN_OPTIONS=print_stacktrace=1
  build_and_test sanitize -DCMAKE_CXX_COMPILER=g++ -DCMAKE_BUILD_TYPE=Debug -DDORV_SANITIZE=ON
)
build_and_test clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug
