#!/usr/bin/env bash
# The flag catalogue in media/: name lists, flag pictures, globes, closing
# picture. Checks the shipped files, then checks that each kind of damage in a
# table of broken copies is caught.
set -uo pipefail
cd "${SRC:-$(dirname "$0")/../..}"
command -v identify >/dev/null && command -v convert >/dev/null || { echo "catalogue: ImageMagick missing" >&2; exit 77; }

MANIFEST=tools/catalogue/ratios.tsv
BOXES=("" "96 64" "96 64" "145 94" "180 120" "92 60" "145 94")
CELLS=(0 48 51 22 14 54 20)

# check DIR: prints one line per fault on stderr; fails when there is any.
check() {
  local m=$1 bad=0
  fault() { echo "  $*" >&2; bad=1; }

  # List format.
  local f
  for f in n1 n2 n3 n4 n5 n6 wn; do
    f=$m/$f.txt
    [ -s "$f" ] || { fault "$f: missing or empty"; continue; }
    iconv -f UTF-8 -t UTF-8 "$f" >/dev/null 2>&1 || fault "$f: not UTF-8"
    grep -q $'\r' "$f" && fault "$f: CR in line ends"
    [ "$(tail -c1 "$f" | od -An -c | tr -d ' ')" = '\n' ] || fault "$f: no final newline"
    grep -q '^$' "$f" && fault "$f: empty line"
    grep -qE '[[:blank:]]$|^[[:blank:]]' "$f" && fault "$f: blank at a line's start or end"
    grep -qE '[/\\]|^\.' "$f" && fault "$f: a name with a slash or a leading dot"
    [ -z "$(sort "$f" | uniq -d)" ] || fault "$f: duplicates: $(sort "$f" | uniq -d | tr '\n' ',')"
  done

  # Galleries: cells, one list per country, both pictures, box sizes, ratios.
  local c bw bh missing
  for c in 1 2 3 4 5 6; do
    f=$m/n$c.txt
    [ -f "$f" ] || continue
    [ "$(wc -l <"$f")" -le "${CELLS[c]}" ] || fault "$f: more names than ${CELLS[c]} cells"
    read -r bw bh <<<"${BOXES[c]}"
    missing=$(grep -v '^$' "$f" | while IFS= read -r n; do [ -f "$m/gf/$n.png" ] || echo "$n"; done)
    [ -z "$missing" ] || fault "n$c: no small flag for: $(echo "$missing" | tr '\n' ',')"
    missing=$(grep -v '^$' "$f" | while IFS= read -r n; do [ -f "$m/gfx/$n.png" ] || echo "$n"; done)
    [ -z "$missing" ] || fault "n$c: no large flag for: $(echo "$missing" | tr '\n' ',')"
    sizes "$m/gf" "$f" | fits "$bw" "$bh" "gf" || bad=1
  done
  local dup
  dup=$(cat "$m"/n[1-6].txt 2>/dev/null | sort | uniq -d)
  [ -z "$dup" ] || fault "in more than one gallery: $(echo "$dup" | tr '\n' ',')"

  # Quiz list: 200 different names, each with its large flag.
  if [ -f "$m/wn.txt" ]; then
    local n
    n=$(sort -u "$m/wn.txt" | grep -c .)
    [ "$n" -eq 200 ] || fault "wn.txt: $n different names, not 200"
    n=$(wc -l <"$m/wn.txt")
    [ "$n" -eq 200 ] || fault "wn.txt: $n lines, not 200"
    missing=$(cat "$m"/n[1-6].txt | sort -u | comm -23 - <(sort -u "$m/wn.txt"))
    [ -z "$missing" ] || fault "gallery names missing from wn.txt: $(echo "$missing" | tr '\n' ',')"
    missing=$(grep -v '^$' "$m/wn.txt" | while IFS= read -r n; do [ -f "$m/gfx/$n.png" ] || echo "$n"; done)
    [ -z "$missing" ] || fault "wn: no large flag for: $(echo "$missing" | tr '\n' ',')"
    sizes "$m/gfx" "$m/wn.txt" | fits 550 307 "gfx" || bad=1
  fi

  # Globes: within 300x300, transparent corners, opaque non-black centre,
  # no visible pixel of pure black (the learning mode takes black for "no globe").
  local k info
  for k in 1 2 3 4 5 6; do
    f=$m/k$k.png
    [ -f "$f" ] || { fault "k$k.png missing"; continue; }
    read -r w h < <(identify -format '%w %h\n' "$f")
    { [ "$w" -le 300 ] && [ "$h" -le 300 ]; } || fault "k$k.png: ${w}x${h} exceeds 300x300"
    info=$(convert "$f" -alpha on -depth 8 -format "%[fx:p{0,0}.a] %[fx:p{$((w-1)),0}.a] %[fx:p{0,$((h-1))}.a] %[fx:p{$((w-1)),$((h-1))}.a]" info:)
    [ "$info" = "0 0 0 0" ] || fault "k$k.png: corners not transparent ($info)"
    info=$(convert "$f" -alpha on -format "%[fx:p{$((w/2)),$((h/2))}.a==1 && (p{$((w/2)),$((h/2))}.r+p{$((w/2)),$((h/2))}.g+p{$((w/2)),$((h/2))}.b)>0]" info:)
    [ "$info" = 1 ] || fault "k$k.png: centre not opaque and coloured"
    info=$(convert "$f" -alpha on -fx 'a>0 && r+g+b==0 ? 1 : 0' -alpha off -format '%[fx:maxima]' info:)
    [ "$info" = 0 ] || fault "k$k.png: visible pixels of pure black"
  done

  # Closing picture: centred on x 425 from y 305, inside the panel, above the grade at y 505.
  if [ -f "$m/ee.png" ]; then
    read -r w h < <(identify -format '%w %h\n' "$m/ee.png")
    { [ "$w" -le 550 ] && [ $((305 + h)) -le 500 ]; } || fault "ee.png: ${w}x${h} reaches the grade text or leaves the panel"
  else
    fault "ee.png missing"
  fi

  # All of media/ stays small.
  [ "$(du -sb "$m" | cut -f1)" -lt 10000000 ] || fault "media/ is 10 MB or more"
  return $bad
}

# sizes DIR LIST: "width height name" of the pictures in DIR named in LIST.
sizes() {
  local dir=$1 list=$2 n
  local files=()
  while IFS= read -r n; do [ -f "$dir/$n.png" ] && files+=("$dir/$n.png"); done < <(grep -v '^$' "$list")
  [ ${#files[@]} -eq 0 ] || identify -ping -format '%w %h %t\n' "${files[@]}"
}

# fits BW BH KIND, reading "width height name" lines: each picture is the
# largest size within BW x BH with the ratio of its flag's vector source (the
# manifest), to a pixel of rounding.
fits() {
  awk -v bw="$1" -v bh="$2" -v kind="$3" -v manifest="$MANIFEST" '
    BEGIN { FS = "\t"; while ((getline l < manifest) > 0) { split(l, a, "\t"); sw[a[1]] = a[3]; sh[a[1]] = a[4] } FS = " " }
    {
      w = $1; h = $2; name = $0; sub(/^[0-9]+ [0-9]+ /, "", name)
      if (!(name in sw)) { print "  no source ratio for \047" name "\047" > "/dev/stderr"; bad = 1; next }
      if (sw[name] * bh >= sh[name] * bw) { ew = bw; eh = bw * sh[name] / sw[name] } else { eh = bh; ew = bh * sw[name] / sh[name] }
      if (w > bw || h > bh || (w - ew) ^ 2 > 1 || (h - eh) ^ 2 > 1) {
        printf "  %s/%s.png: %dx%d, not the %.1fx%.1f that fills %dx%d at its ratio\n", kind, name, w, h, ew, eh, bw, bh > "/dev/stderr"; bad = 1
      }
    }
    END { exit bad }'
}

fail=0
echo "checking media/" >&2
if check media; then echo "ok: media/ meets the catalogue contract"; else echo "FAIL: media/" >&2; fail=1; fi

# Gallery order: Polish alphabetical order of the display names (needs node).
if command -v node >/dev/null; then
  if ! node --input-type=module - <<'EOF'
import fs from 'node:fs';
import { displayName } from './tools/catalogue/countries.mjs';
const col = new Intl.Collator('pl', { sensitivity: 'base' });
if (col.compare('Łotwa', 'Luksemburg') <= 0 || col.compare('Śląsk', 'Szwecja') <= 0) {
  console.error('  node has no Polish collation; order not checked'); process.exit(0);
}
let bad = 0;
for (let c = 1; c <= 6; c++) {
  const names = fs.readFileSync(`media/n${c}.txt`, 'utf8').split('\n').filter(Boolean);
  for (let i = 1; i < names.length; i++)
    if (col.compare(displayName(names[i - 1]), displayName(names[i])) > 0) {
      console.error(`  n${c}.txt: '${names[i - 1]}' before '${names[i]}' breaks Polish order`); bad = 1;
    }
}
process.exit(bad);
EOF
  then echo "FAIL: gallery order" >&2; fail=1; else echo "ok: galleries in Polish order"; fi
fi

# Each kind of damage must be caught.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cases=(
  "stretched large flag|convert M/gfx/Polska.png -resize 550x307! M/gfx/Polska.png"
  "small flag over its box|convert M/gf/Czechy.png -resize 100x66! M/gf/Czechy.png"
  "small flag short of its box|convert M/gf/Kenia.png -resize 80x53! M/gf/Kenia.png"
  "missing large flag|rm M/gfx/Niue.png"
  "missing small flag|rm M/gf/Peru.png"
  "duplicate in a list|echo Polska >>M/n1.txt"
  "country in two galleries|echo Polska >>M/n6.txt"
  "CR LF line ends|sed -i 's/\$/\r/' M/n2.txt"
  "empty line|sed -i '3s/^/\\n/' M/n3.txt"
  "trailing blank|sed -i 's/^Kuba\$/Kuba /' M/n3.txt"
  "no final newline|printf %s \"\$(cat M/n4.txt)\" >M/n4.txt"
  "quiz list one short|sed -i '\$d' M/wn.txt"
  "quiz list with a repeat|sed -i '\$d' M/wn.txt && echo Polska >>M/wn.txt"
  "list over its cells|for i in \$(seq 1 10); do echo Extra\$i >>M/n4.txt; done"
  "globe with opaque corners|convert M/k1.png -alpha off M/k1.png"
  "globe with a black pixel|convert M/k2.png -fill black -draw 'point 150,150' M/k2.png"
  "tall closing picture|convert M/ee.png -resize 200x230! M/ee.png"
)
for row in "${cases[@]}"; do
  what=${row%%|*}
  cmd=${row#*|}
  rm -rf "$tmp/m" && cp -r media "$tmp/m"
  (cd "$tmp" && eval "${cmd//M\//m/}")
  if check "$tmp/m" 2>/dev/null; then echo "FAIL: not caught: $what" >&2; fail=1; else echo "ok: caught: $what"; fi
done

exit $fail
