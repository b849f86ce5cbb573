#!/usr/bin/env bash
# Contact sheets of all large flags with their Polish display names beneath,
# written to build/contact-sheet/*.png (a page of 20 flags each, in quiz-list
# order). Run from anywhere; needs ImageMagick and node.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=$root/build/contact-sheet
font=$root/media/arialbd.ttf
[ -f "$font" ] || font=/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf
[ -f "$font" ] || { echo "contact-sheet: no font with Polish letters (install fonts-liberation)" >&2; exit 1; }

mkdir -p "$out"
rm -f "$out"/*.png
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# name <TAB> display name, in quiz-list order.
(cd "$root" && node --input-type=module -e '
import fs from "node:fs";
import { displayName } from "./tools/catalogue/countries.mjs";
for (const n of fs.readFileSync("media/wn.txt", "utf8").split("\n").filter(Boolean))
  console.log(n + "\t" + displayName(n));
') >"$tmp/names.tsv"

i=0
while IFS=$'\t' read -r name shown; do
  # Each tile: the flag unscaled on a grey ground (Nepal's transparency
  # shows), its display name beneath.
  convert "$root/media/gfx/$name.png" -background '#c8c8c8' -gravity center -extent 560x317 \
    -gravity south -background white -splice 0x44 \
    -font "$font" -pointsize 26 -fill black -annotate +0+8 "$shown" "$tmp/$(printf %03d $i).png"
  i=$((i + 1))
done <"$tmp/names.tsv"

montage "$tmp"/[0-9]*.png -tile 5x4 -geometry '+6+6' -background white "$out/flags-%02d.png"
ls "$out"/*.png
