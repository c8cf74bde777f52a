#!/bin/sh
# Reruns the whole extraction from the source packages pinned in package-lock.json and fails
# unless the committed tables under sampledb/ and the reference lists come out byte for byte as
# committed.
# Usage: tools/sampledb/extract/run-all.sh [scratch directory]
# The sources are installed into the scratch directory (default: a temporary one, removed at
# the end); the tables are written into this checkout's sampledb/.
set -eu
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../../.." && pwd)"
outputs="sampledb tools/sampledb/extract/reference"

# Start from the committed tables, so that a difference at the end is the extraction's.
if [ -n "$(git -C "$repo" status --porcelain -- $outputs)" ]; then
  echo "run-all: $outputs have uncommitted changes; commit or stash them first" >&2
  exit 1
fi

if [ $# -gt 0 ]; then
  src="$1"
  mkdir -p "$src"
else
  src="$(mktemp -d)"
  trap 'rm -rf "$src"' EXIT
fi
cp "$here/package.json" "$here/package-lock.json" "$src/"
(cd "$src" && npm ci --no-audit --no-fund)

echo "run-all: Node.js $(node --version), iso-codes $(dpkg-query -W -f='${Version}' iso-codes)," \
  "tzdata $(dpkg-query -W -f='${Version}' tzdata)"
export SAMPLEDB_SRC="$src"
for script in states nanp_reference nanp mexico intl; do
  echo "run-all: $script.js"
  node "$here/$script.js"
done
node "$here/check.js"

if ! git -C "$repo" diff --exit-code --stat -- $outputs ||
   [ -n "$(git -C "$repo" status --porcelain -- $outputs)" ]; then
  echo "run-all: the extraction does not reproduce the committed tables (see git status/diff $outputs)" >&2
  exit 1
fi
echo "run-all: the committed tables are reproduced byte for byte"
