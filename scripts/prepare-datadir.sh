#!/bin/sh
# Lays out what a first start needs in the data directory given as $1. A file the user
# already has is never touched.
set -eu
dir="$1"
mkdir -p "$dir/DATABASE/LOG" "$dir/DATABASE/MEMO"
for book in DORV22 DORV23; do
  [ -e "$dir/DATABASE/$book" ] || { : > "$dir/DATABASE/$book"; chmod 600 "$dir/DATABASE/$book"; }
done
