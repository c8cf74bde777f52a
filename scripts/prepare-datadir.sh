#!/bin/sh
# Lays out what a start needs in the data directory given as $1. A file of the user's own
# (the books, settings, memos, logs) is never touched once it exists.
# With the directory of the generated sample database as $2, the sample files (read-only data
# the program never writes) are laid into DATABASE/ afresh, each replaced whole.
set -eu
dir="$1"
samples="${2:-}"
mkdir -p "$dir/DATABASE/LOG" "$dir/DATABASE/MEMO"
for book in DORV22 DORV23; do
  [ -e "$dir/DATABASE/$book" ] || { : > "$dir/DATABASE/$book"; chmod 600 "$dir/DATABASE/$book"; }
done
[ -n "$samples" ] || exit 0
names="dorv1 dorv3 dorv4 dorv5 dorv6 dorv7 dorv8 dorv9 dorv10 dorv11 dorv12 dorv13 dorv14 dorv15
  dorv16 dorv17 dorv18 dorv19 dorv20"
# All or nothing: check that every file is there before replacing any.
for name in $names; do
  [ -f "$samples/$name" ] || { echo "prepare-datadir: missing sample file $samples/$name" >&2; exit 1; }
done
for name in $names; do
  new="$dir/DATABASE/.$name.new"
  cp "$samples/$name" "$new"
  chmod 644 "$new"
  mv -f "$new" "$dir/DATABASE/$name"
done
