#!/bin/sh
# Starts the installed Dorv in the user's data directory, laying it out on first start.
set -eu
libexec="$(dirname "$(readlink -f "$0")")/../libexec/dorv"
data="${XDG_DATA_HOME:-$HOME/.local/share}/dorv"
# Started from the desktop's menu, nobody sees this script's messages: when laying out fails,
# Dorv starts all the same and its start-up names the folder or file at fault.
"$libexec/prepare-datadir.sh" "$data" "$libexec/../../share/dorv/sampledb" || :
cd "$data" 2> /dev/null || cd /
exec "$libexec/dorv" "$@"
