#!/bin/sh
# Installs what is needed, builds, prepares the user's data directory and starts Dorv there.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build/release" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$top/build/release" -j"$(nproc)"
data="${XDG_DATA_HOME:-$HOME/.local/share}/dorv"
"$top/scripts/prepare-datadir.sh" "$data" "$top/build/release/sampledb"
cd "$data"
exec "$top/build/release/src/app/dorv"
