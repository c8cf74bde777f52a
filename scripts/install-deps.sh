#!/bin/sh
# Installs the Debian packages that building and testing Dorv needs (the tests build with both
# GCC and clang); with the argument "fuzz" also the runtime that the fuzz targets need.
set -eu
# A font is needed so that text measurement in the widget tests is real; pdftotext reads the
# printed PDFs back in the tests; Qt Charts draws the cost trends (its CMake package needs the
# OpenGL development files); desktop-file-utils and appstream check the installed desktop entry and
# metainfo; nodejs runs the sample tables' check against the zone files of tzdata.
packages="cmake g++ clang make qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev fonts-dejavu-core poppler-utils qt6-charts-dev libqt6opengl6-dev desktop-file-utils appstream nodejs tzdata"
[ "${1:-}" = fuzz ] && packages="$packages libclang-rt-dev"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends $missing
