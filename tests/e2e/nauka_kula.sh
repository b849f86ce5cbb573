# The learning screen's globe: left clicks on it show the continents 2..6 and
# then Europe again (title and globe), a held button moves on once, a click on
# a transparent corner of the globe's square or on a flag changes nothing,
# and the pointer on the globe lights it.
source "$SRC/tests/lib/e2e.sh"
source "$SRC/tests/fixtures/gallery/media.sh"
start_x
WORK="$E2E_TMP/work"
gallery_media "$WORK/media"
start_game
menu_shown
enter_nauka

away() { move 600 745; sleep 0.5; }
title() { convert "$1" -crop 600x55+50+15 +repage "$2"; }
# The picture of continent k: its globe at the centre of the square, the pointer away.
shows() {
  away
  wait_pixel 850 290 "${KULA_RGB[$1]}" 6
  sleep 0.3
  shot "$E2E_TMP/k$1.png"
  near "$(pixel "$E2E_TMP/k$1.png" 850 290)" "${KULA_RGB[$1]}" 6 || fail "continent $1: globe $(pixel "$E2E_TMP/k$1.png" 850 290)"
  title "$E2E_TMP/k$1.png" "$E2E_TMP/t$1.png"
}
lit() {
  local a=($1)
  echo "$(( a[0] + a[0] * 50 / 255 )) $(( a[1] + a[1] * 50 / 255 )) $(( a[2] + a[2] * 50 / 255 ))"
}

shows 1
cp "$E2E_TMP/t1.png" "$E2E_TMP/europa.png"

# The pointer on the globe lights it, off the globe it does not.
move 850 290; sleep 0.6
shot "$E2E_TMP/on.png"
near "$(pixel "$E2E_TMP/on.png" 850 290)" "$(lit "${KULA_RGB[1]}")" 6 || fail "globe not lit: $(pixel "$E2E_TMP/on.png" 850 290)"
move 705 145; sleep 0.6
shot "$E2E_TMP/corner.png"
near "$(pixel "$E2E_TMP/corner.png" 850 290)" "${KULA_RGB[1]}" 6 || fail "globe lit from its transparent corner"

# A click on the transparent corner, and one on a flag: still Europe.
click 705 145
click 88 192
away; sleep 1
shot "$E2E_TMP/still.png"
near "$(pixel "$E2E_TMP/still.png" 850 290)" "${KULA_RGB[1]}" 6 || fail "a click off the globe changed the continent"
title "$E2E_TMP/still.png" "$E2E_TMP/tstill.png"
same_area "$E2E_TMP/tstill.png" 0 0 600 55 "$E2E_TMP/europa.png" || fail "a click off the globe changed the title"

# Six clicks on the globe; the third one held for a while moves on once.
prev=1
for k in 2 3 4 5 6 1; do
  if [ $k = 4 ]; then
    move 850 290; sleep 0.1; xdotool mousedown 1; sleep 2; xdotool mouseup 1
  else
    click 850 290
  fi
  shows $k
  same_area "$E2E_TMP/t$k.png" 0 0 600 55 "$E2E_TMP/t$prev.png" && fail "continent $k: the title did not change"
  prev=$k
done
same_area "$E2E_TMP/t1.png" 0 0 600 55 "$E2E_TMP/europa.png" || fail "back at Europe: another title"

key Escape
s=$(game_status)
[ "$s" = 0 ] || fail "Escape: exit status $s"
echo "nauka_kula: ok"
