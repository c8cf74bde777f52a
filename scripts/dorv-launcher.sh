#!/bin/sh
# Starts the installed Dorv in the user's data directory, laying it out on first start.
set -eu
libexec="$(dirname "$(readlink -f "$0")")/../libexec/dorv"
data="${XDG_DATA_HOME:-$HOME/.local/share}/dorv"
"$libexec/prepare-datadir.sh" "$data" "$libexec/../../share/dorv/sampledb"
cd "$data"
exec "$libexec/dorv" "$@"
