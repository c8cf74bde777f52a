#!/bin/sh
# Starts the installed Dorv in the user's data directory, laying it out on first start.
set -eu
data="${XDG_DATA_HOME:-$HOME/.local/share}/dorv"
mkdir -p "$data/DATABASE/LOG" "$data/DATABASE/MEMO"
for book in DORV22 DORV23; do
  [ -e "$data/DATABASE/$book" ] || { : > "$data/DATABASE/$book"; chmod 600 "$data/DATABASE/$book"; }
done
cd "$data"
exec "$(dirname "$(readlink -f "$0")")/../libexec/dorv/dorv" "$@"
