#!/bin/sh
# Installs the build given as $1 into a temporary prefix and checks the desktop integration
# there: the desktop entry and metainfo pass their validators, the icon is at every size the
# desktop entry's theme lookup uses, the licence texts are where About looks for them, and the
# launcher starts the program in the user's data directory, also when laying it out fails (the
# program's start-up then names the fault).
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
for text in LICENSE sampledb/NOTICE.md; do
  [ -s "$prefix/share/doc/dorv/$text" ] || { echo "missing licence text share/doc/dorv/$text" >&2; exit 1; }
done
[ -x "$prefix/libexec/dorv/dorv" ] || { echo "missing program libexec/dorv/dorv" >&2; exit 1; }
# The program stands in as a script that notes where it was started.
printf '#!/bin/sh\npwd > "%s/started"\n' "$prefix" > "$prefix/libexec/dorv/dorv"
data="$prefix/home/dorv"
XDG_DATA_HOME="$prefix/home" "$prefix/bin/dorv"
[ "$(cat "$prefix/started")" = "$data" ] || { echo "not started in $data" >&2; exit 1; }
[ -f "$data/DATABASE/dorv1" ] || { echo "no sample database in $data" >&2; exit 1; }
rm "$prefix/started" "$prefix/share/dorv/sampledb/dorv5"
XDG_DATA_HOME="$prefix/home" "$prefix/bin/dorv" 2> /dev/null
[ "$(cat "$prefix/started")" = "$data" ] || { echo "not started after a failed layout" >&2; exit 1; }
