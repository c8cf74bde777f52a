#!/bin/sh
# Builds Dorv and takes the screenshots under docs/screenshots from real windows on Xvfb.
set -eu
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-deps.sh"
if ! command -v xvfb-run >/dev/null 2>&1; then
  if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
  $sudo apt-get install -y --no-install-recommends xvfb xauth
fi
build="$top/build/screenshots"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DDORV_SCREENSHOTS=ON -DBUILD_TESTING=OFF
cmake --build "$build" -j"$(nproc)" --target dorv_screenshots
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" \
  "$build/tools/screenshots/dorv_screenshots" "$top/docs/screenshots"
