#!/usr/bin/env bash
# Takes a PNG of every screen: runs each part under tools/screenshots/ with
# its own X server; the pictures go to the folder given (default docs/screenshots).
set -u
cd "$(dirname "$0")/.."
OUT=$(realpath -m "${1:-docs/screenshots}")
export OUT SRC=$(pwd) TREZALIA=${TREZALIA:-$(pwd)/build/trezalia}
mkdir -p "$OUT"
status=0
for part in tools/screenshots/*.sh; do
  echo "== $part"
  bash "$part" || { echo "failed: $part" >&2; status=1; }
done
ls "$OUT"
exit $status
