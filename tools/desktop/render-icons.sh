#!/usr/bin/env bash
# Renders trezalia.svg into the hicolor PNG sizes under hicolor/ (committed,
# so installing needs no renderer). Needs rsvg-convert (Debian librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
command -v rsvg-convert >/dev/null || { echo "render-icons: rsvg-convert missing (apt-get install librsvg2-bin)" >&2; exit 1; }
for s in 16 22 24 32 48 64 128 256; do
  mkdir -p "hicolor/${s}x${s}/apps"
  rsvg-convert -w "$s" -h "$s" trezalia.svg -o "hicolor/${s}x${s}/apps/trezalia.png"
done
