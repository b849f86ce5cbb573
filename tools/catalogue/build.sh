#!/usr/bin/env bash
# Regenerates the flag catalogue in media/ (name lists, flags, globes, closing
# picture) from the pinned inputs of package-lock.json. Run from anywhere.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

"$root/tools/install-deps.sh" media

(cd "$here" && npm ci --no-audit --no-fund --loglevel=error >&2)
node "$here/build.mjs" "$root/media" "$@"

# Lossless squeeze of everything this generator wrote.
cd "$root/media"
find gf gfx -name '*.png' -print0 | xargs -0 -P "$(nproc)" -n 20 optipng -quiet -o2 -strip all
for f in k[1-6].png ee.png; do
  [ ! -f "$f" ] || optipng -quiet -o2 -strip all "$f"
done
