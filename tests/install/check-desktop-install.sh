#!/bin/sh
# Installs the build given as $1 into a temporary prefix and checks the desktop integration
# there: the desktop entry and metainfo pass their validators, the icon is at every size the
# desktop entry's theme lookup uses, and the launcher, the program and its sample database are
# where the launcher looks for them.
set -eu
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
id=local.dorv.Dorv
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
for size in 16 22 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x$size/apps/$id.png"
  [ -s "$icon" ] || { echo "missing icon $icon" >&2; exit 1; }
done
[ -x "$prefix/bin/dorv" ] || { echo "missing launcher bin/dorv" >&2; exit 1; }
[ -x "$prefix/libexec/dorv/dorv" ] || { echo "missing program libexec/dorv/dorv" >&2; exit 1; }
[ -f "$prefix/share/dorv/sampledb/dorv1" ] || { echo "missing sample database" >&2; exit 1; }
