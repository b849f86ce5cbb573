#!/usr/bin/env bash
# Regenerates the flag catalogue in media/ (name lists, flags, globes, closing
# picture) from the pinned inputs of package-lock.json. Run from anywhere.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

need=()
command -v rsvg-convert >/dev/null || need+=(librsvg2-bin)
command -v convert >/dev/null && command -v montage >/dev/null || need+=(imagemagick)
command -v optipng >/dev/null || need+=(optipng)
command -v node >/dev/null || need+=(nodejs)
command -v npm >/dev/null || need+=(npm)
if [ ${#need[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${need[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq >&2
  $sudo apt-get install -y -qq --no-install-recommends "${need[@]}" >&2
fi

(cd "$here" && npm ci --no-audit --no-fund --loglevel=error >&2)
node "$here/build.mjs" "$root/media" "$@"

# Lossless squeeze of everything this generator wrote.
cd "$root/media"
find gf gfx -name '*.png' -print0 | xargs -0 -P "$(nproc)" -n 20 optipng -quiet -o2 -strip all
for f in k[1-6].png ee.png; do
  [ ! -f "$f" ] || optipng -quiet -o2 -strip all "$f"
done
