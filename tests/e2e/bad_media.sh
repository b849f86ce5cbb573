# Damaged copies of media/, one fault each: the game either runs normally
# (menu shown, Escape, status 0) or stops with status 1 and a message naming
# the damaged file -- never a crash (status >= 128, a sanitizer report) and
# never a hang. Faults the start-up check cannot see (a picture whose header
# and end are fine but whose data is damaged) are driven to the screen that
# loads them (with BAD_MEDIA_FULL=1, as `make bad-media` does). Prints a table of case, expected and outcome; with BAD_MEDIA_TABLE
# set, also writes it there as Markdown.
source "$SRC/tests/lib/e2e.sh"
start_x

BIEG=${BAD_MEDIA_TIMEOUT:-300}  # seconds a whole case may take (a slow machine drives slowly)
PO_ESC=60                       # seconds the game may take to end after Escape
M=$SRC/media
ROWS=()
BAD=0

# Pixels of the real backgrounds, to know which screen is up.
PROBE_MENU=($(probe "$M/tlo2.png"))
RGB_MENU=$(pixel "$M/tlo2.png" "${PROBE_MENU[0]}" "${PROBE_MENU[1]}")
PROBE_INFO=($(probe "$M/tlo1.png"))
RGB_INFO=$(pixel "$M/tlo1.png" "${PROBE_INFO[0]}" "${PROBE_INFO[1]}")
RGB_KNOPKA=$(pixel "$M/el.png" 10 55)  # the small "menu" button's face at (930, 25)
FIRST=$(head -n1 "$M/n1.txt")   # cell 1 of Europe: x 40..135, y 160..223

ended() { [ -s "$E2E_TMP/status" ]; }

# Like wait_pixel, but gives up (status 1) when the game has ended or after
# the given tries, without failing the script.
until_pixel() {
  local px=$1 py=$2 want=$3 tries=${4:-200}
  for _ in $(seq "$tries"); do
    ended && return 1
    shot "$E2E_TMP/last.png"
    near "$(pixel "$E2E_TMP/last.png" "$px" "$py")" "$want" 8 && return 0
    sleep 0.1
  done
  return 1
}

launch_case() {
  rm -f "$E2E_TMP/status"
  (cd "$WORK" && timeout -k 5 "$BIEG" "$TREZALIA" >"$E2E_TMP/out" 2>"$E2E_TMP/err"; echo $? >"$E2E_TMP/status") &
  GPID=$!
  for _ in $(seq 600); do
    ended && return 1
    xdotool search --name '^Trezalia$' >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  return 1
}

menu_up() { move 5 5; until_pixel "${PROBE_MENU[0]}" "${PROBE_MENU[1]}" "$RGB_MENU"; }
nauka_up() { menu_up && click 510 420 && move 600 745 && until_pixel 930 25 "$RGB_KNOPKA" && sleep 0.5; }

# What to do once the window is up; each ends on the menu or with the game over.
drive_menu() { menu_up; }
drive_info() { menu_up && click 510 470 && until_pixel "${PROBE_INFO[0]}" "${PROBE_INFO[1]}" "$RGB_INFO" &&
  sleep 0.3 && click 960 35 && menu_up; }
drive_nauka() { nauka_up && click 960 35 && menu_up; }
# The first flag hovered (its name drawn) and shown large.
drive_duza() { nauka_up && move 88 192 && sleep 0.5 && rclick_hold 88 192 && sleep 1 && xdotool mouseup 3 &&
  sleep 0.5 && click 960 35 && menu_up; }
# Every continent: five clicks on the globe.
drive_kule() {
  nauka_up || return 1
  for _ in 1 2 3 4 5; do click 850 290; sleep 1.5; ended && return 1; done
  click 960 35 && menu_up
}

# One case: name, expectation ("runs" or the damaged file, relative to
# media/), the screen to drive to, and the damage (a command run in $WORK/media).
przypadek() {
  local nazwa=$1 oczekiwane=$2 droga=$3
  shift 3
  [[ "$nazwa" =~ ${BAD_MEDIA_ONLY:-.} ]] || return 0   # BAD_MEDIA_ONLY=regex runs some cases
  # The cases driven past the menu are long: only with BAD_MEDIA_FULL (make bad-media).
  [ "$droga" = menu ] || [ -n "${BAD_MEDIA_FULL:-}" ] || return 0
  make_workdir
  (cd "$WORK/media" && eval "$*") || fail "$nazwa: the damage could not be made"
  if launch_case; then
    drive_$droga
    ended || key Escape
  fi
  for _ in $(seq $((PO_ESC * 10))); do ended && break; sleep 0.1; done
  if ! ended; then
    kill "$GPID" 2>/dev/null; pkill -P "$GPID" 2>/dev/null
    for _ in $(seq 100); do ended && break; sleep 0.1; done
  fi
  local s wynik ok=0
  s=$(cat "$E2E_TMP/status" 2>/dev/null || echo hang)
  if grep -qE 'AddressSanitizer|LeakSanitizer|runtime error:|UndefinedBehaviorSanitizer' "$E2E_TMP/err"; then
    wynik="sanitizer report (status $s)"
    sed -n '1,40p' "$E2E_TMP/err" >&2
  elif [ "$s" = 124 ] || [ "$s" = 137 ] || [ "$s" = hang ]; then
    wynik="HANG (still running ${PO_ESC} s after Escape, or ${BIEG} s in all)"
  elif [ "$s" -ge 128 ] 2>/dev/null; then
    wynik="CRASH (status $s)"
  elif [ "$s" = 0 ]; then
    wynik="runs, status 0"
    [ "$oczekiwane" = runs ] && ok=1
  elif [ "$s" = 1 ]; then
    if [ "$oczekiwane" != runs ] && grep -qF "media/$oczekiwane" "$E2E_TMP/err"; then
      wynik="exit 1, names media/$oczekiwane"
      ok=1
    else
      wynik="exit 1: $(grep -v '^ALSA\|^AL lib' "$E2E_TMP/err" | head -n1)"
    fi
  else
    wynik="status $s: $(grep -v '^ALSA\|^AL lib' "$E2E_TMP/err" | head -n1)"
  fi
  [ -s "$E2E_TMP/out" ] && { wynik="$wynik; standard output not empty"; ok=0; }
  local ocz="runs"
  [ "$oczekiwane" = runs ] || ocz="exit 1 naming media/$oczekiwane"
  [ "$droga" = menu ] || ocz="$ocz (driven: $droga)"
  ROWS+=("| $nazwa | $ocz | $wynik |")
  if [ $ok = 1 ]; then echo "ok    $nazwa: $wynik"; else echo "WRONG $nazwa: expected $ocz, got $wynik"; BAD=$((BAD + 1)); fi
}


# --- every required file removed in turn
for f in tlo.jpg tlo2.png tlo1.png el.png ee.png k1.png k2.png k3.png k4.png k5.png k6.png \
         arial.ttf arialbd.ttf palab.ttf s1.wav s2.wav s3.wav \
         n1.txt n2.txt n3.txt n4.txt n5.txt n6.txt wn.txt; do
  przypadek "$f removed" "$f" menu "rm $f"
done
przypadek "gf/$FIRST.png removed" "gf/$FIRST.png" menu "rm 'gf/$FIRST.png'"
przypadek "gfx/$FIRST.png removed" "gfx/$FIRST.png" menu "rm 'gfx/$FIRST.png'"
WN1=$(grep -vxFf <(cat "$M"/n?.txt) "$M/wn.txt" | head -n1)   # a quiz name on no continent list
[ -n "$WN1" ] && przypadek "gfx/$WN1.png removed (quiz only)" "gfx/$WN1.png" menu "rm 'gfx/$WN1.png'"

# --- pictures: zero bytes, not a picture, cut short, wrong size
for f in tlo.jpg tlo2.png tlo1.png el.png ee.png k1.png "gf/$FIRST.png" "gfx/$FIRST.png"; do
  przypadek "$f zero bytes" "$f" menu ": >'$f'"
  przypadek "$f not a picture" "$f" menu "echo 'to nie jest obrazek' >'$f'"
done
cut_half() { local n; n=$(stat -c %s "$1"); head -c $((n / 2)) "$1" >"$1.tmp" && mv "$1.tmp" "$1"; }
# Cut short: refused by the start-up check, before any loader sees the file.
for f in tlo2.png el.png tlo1.png k1.png k6.png "gf/$FIRST.png" "gfx/$FIRST.png" tlo.jpg; do
  przypadek "$f cut to half" "$f" menu "$(declare -f cut_half); cut_half '$f'"
done
# Whole, but with damaged data: the loader refuses it on the screen that needs it.
scramble() { local n; n=$(stat -c %s "$1"); printf 'zepsute dane obrazka' | dd of="$1" bs=1 seek=$((n / 2)) conv=notrunc status=none; }
przypadek "k1.png with damaged data" k1.png nauka "$(declare -f scramble); scramble k1.png"
przypadek "k6.png with damaged data" k6.png kule "$(declare -f scramble); scramble k6.png"
przypadek "tlo1.png with damaged data" tlo1.png info "$(declare -f scramble); scramble tlo1.png"
przypadek "gfx/$FIRST.png with damaged data" "gfx/$FIRST.png" duza "$(declare -f scramble); scramble 'gfx/$FIRST.png'"
przypadek "tlo2.png 800 x 600" tlo2.png menu "convert tlo2.png -resize 800x600! tlo2.png"
przypadek "el.png 100 x 100" el.png menu "convert el.png -crop 100x100+0+0 +repage el.png"
przypadek "k2.png 400 x 400" k2.png menu "convert k2.png -resize 400x400! k2.png"

# --- fonts and sounds that do not decode
przypadek "arial.ttf: TrueType header, garbage after" arial.ttf menu \
  "{ printf '\\000\\001\\000\\000'; head -c 4000 /dev/urandom; } >arial.ttf"
przypadek "palab.ttf cut to 2 kB" palab.ttf menu "head -c 2048 palab.ttf >p && mv p palab.ttf"
przypadek "s1.wav: WAV header, garbage after (no sound device)" runs menu \
  "{ printf 'RIFF\\044\\000\\000\\000WAVEfmt '; head -c 200 /dev/urandom; } >s1.wav"
mkdir -p "$E2E_TMP/home"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$E2E_TMP/home/.asoundrc"
HOME_BYL=$HOME
export HOME=$E2E_TMP/home
przypadek "s1.wav: WAV header, garbage after (null ALSA device)" s1.wav menu \
  "{ printf 'RIFF\\044\\000\\000\\000WAVEfmt '; head -c 200 /dev/urandom; } >s1.wav"
# A header with no samples is a valid, silent sound.
przypadek "s3.wav cut to its 44-byte header (null ALSA device)" runs menu "head -c 44 s3.wav >s && mv s s3.wav"
przypadek "all cues intact (null ALSA device)" runs nauka ":"
export HOME=$HOME_BYL

# --- continent lists
przypadek "n1.txt with CR LF" runs nauka "sed -i 's/\$/\\r/' n1.txt"
przypadek "n1.txt with a BOM" runs nauka "sed -i '1s/^/\\xEF\\xBB\\xBF/' n1.txt"
przypadek "n1.txt with a BOM and CR LF" runs nauka "sed -i '1s/^/\\xEF\\xBB\\xBF/; s/\$/\\r/' n1.txt"
przypadek "n1.txt without the last line break" runs nauka "printf %s \"\$(cat n1.txt)\" >n1.txt"
przypadek "n1.txt padded to 60 lines with empty lines" runs nauka \
  "while [ \$(wc -l <n1.txt) -lt 60 ]; do echo >>n1.txt; done"
przypadek "n1.txt with 60 names" n1.txt menu \
  "{ cat n1.txt; head -n 15 n2.txt; } >n && mv n n1.txt"
przypadek "n6.txt: more names than cells (21 for 20)" n6.txt menu \
  "{ cat n6.txt; head -n 6 n2.txt; } >n && mv n n6.txt"
przypadek "n3.txt empty" n3.txt menu ": >n3.txt"
przypadek "n3.txt only empty lines" n3.txt menu "printf '\\n\\n\\n' >n3.txt"
przypadek "n1.txt with an empty line inside" n1.txt menu "sed -i '5s/.*//' n1.txt"
przypadek "n1.txt: a name with /" n1.txt menu "sed -i \"1s|.*|../gfx/$FIRST|\" n1.txt"
przypadek "n1.txt: the name .." n1.txt menu "sed -i '1s/.*/../' n1.txt"
przypadek "n1.txt: a name %n%s without pictures" n1.txt menu "sed -i '1s/.*/%n%s/' n1.txt"
przypadek "n1.txt: a name %n%s%n with its pictures" runs duza \
  "sed -i '1s/.*/%n%s%n/' n1.txt && cp 'gf/$FIRST.png' gf/%n%s%n.png && cp 'gfx/$FIRST.png' gfx/%n%s%n.png"
przypadek "n1.txt: bytes that are not UTF-8" n1.txt menu "sed -i '2s/\$/\\xFF\\xFE/' n1.txt"
przypadek "n1.txt: a control character in a name" n1.txt menu "sed -i '2s/\$/\\x07/' n1.txt"

# --- the quiz list
przypadek "wn.txt with 199 names" wn.txt menu "sed -i '\$d' wn.txt"
przypadek "wn.txt with a duplicate" wn.txt menu "sed -i \"2s/.*/\$(head -n1 wn.txt)/\" wn.txt"
przypadek "wn.txt: a name without a picture" wn.txt menu "sed -i '3s/.*/Kraina Bez Flagi/' wn.txt"
przypadek "wn.txt with an empty line inside" wn.txt menu "sed -i '7s/.*//' wn.txt"
przypadek "wn.txt with CR LF and a BOM" runs menu "sed -i '1s/^/\\xEF\\xBB\\xBF/; s/\$/\\r/' wn.txt"
przypadek "wn.txt: bytes that are not UTF-8" wn.txt menu "sed -i '4s/\$/\\xC3/' wn.txt"

{
  echo "| Case | Expected | Outcome |"
  echo "|---|---|---|"
  printf '%s\n' "${ROWS[@]}"
} >"$E2E_TMP/table.md"
cat "$E2E_TMP/table.md"
[ -n "${BAD_MEDIA_TABLE:-}" ] && cp "$E2E_TMP/table.md" "$BAD_MEDIA_TABLE"
echo "bad media: ${#ROWS[@]} cases, $BAD wrong"
[ "$BAD" = 0 ] || fail "$BAD of ${#ROWS[@]} cases did not end as expected"
