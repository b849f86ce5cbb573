# A whole quiz played with the left button on the top answer: the bar at the
# start and after each answer, a right click that does nothing, and the
# closing picture with its grade and without the questions-to-go count.
source "$SRC/tests/lib/e2e.sh"
source "$SRC/tests/fixtures/quiz/media.sh"
start_x
quiz_media "$E2E_TMP/media" el
make_workdir "$E2E_TMP/media"
start_game
wait_menu

# Quick screen grabs: 50 answers take many of them.
snap() { import -window root "$1" 2>/dev/null; }
wait_px() {
  local px=$1 py=$2 want=$3 tol=${4:-8}
  for _ in $(seq 600); do
    snap "$E2E_TMP/last.miff"
    near "$(pixel "$E2E_TMP/last.miff" "$px" "$py")" "$want" "$tol" && return 0
    sleep 0.05
  done
  fail "pixel ($px, $py) is $(pixel "$E2E_TMP/last.miff" "$px" "$py"), expected $want"
}
# A press of the left button where the pointer already is.
press() { xdotool mousedown 1; sleep 0.3; xdotool mouseup 1; }
# Pixels of the bar row that are red.
red_width() {
  convert "$1" -crop 200x1+750+461 +repage -depth 8 txt:- |
    awk -F'[()]' 'NR > 1 { split($2, c, ","); if (c[1] > 150 && c[2] < 100 && c[3] < 100) n++ } END { print n + 0 }'
}
# Pixels of the "(%d)" area that differ between two pictures.
differs() {
  compare -metric AE -fuzz 6% "$1[90x38+805+258]" "$2[90x38+805+258]" null: 2>&1 | cut -d' ' -f1
}
bg="$E2E_TMP/tlo.png"; convert "$WORK/media/tlo.jpg" "$bg"

# The answer box's own colour where the frame of answer 1 would go.
box=$(pixel "$WORK/media/el.png" 3 137)
click 510 370
move 425 136
# Fully shown once the red half of the bar is there.
wait_px 900 461 "220 20 20"
sleep 0.5
snap "$E2E_TMP/start.miff"
w=$(red_width "$E2E_TMP/start.miff")
[ "$w" -ge 99 ] && [ "$w" -le 101 ] || fail "bar at the start: $w red pixels, expected 100"
[ "$(differs "$E2E_TMP/start.miff" "$bg")" -gt 40 ] || fail "no questions-to-go count at the start"
near "$(pixel "$E2E_TMP/start.miff" 203 136)" "$box" 8 || fail "answer 1 framed before any answer"

# A right click on an answer does nothing.
xdotool mousedown 3; sleep 0.2; xdotool mouseup 3; sleep 1.5
snap "$E2E_TMP/right.miff"
[ "$(differs "$E2E_TMP/right.miff" "$E2E_TMP/start.miff")" -lt 5 ] || fail "a right click changed the count"
near "$(pixel "$E2E_TMP/right.miff" 203 136)" "$box" 8 || fail "a right click framed an answer"
w=$(red_width "$E2E_TMP/right.miff")
[ "$w" -ge 99 ] && [ "$w" -le 101 ] || fail "a right click changed the bar ($w)"

pech=0
cp "$E2E_TMP/right.miff" "$E2E_TMP/before.miff"
for n in $(seq 50); do
  press
  # The count changes when the answer is taken.
  for i in $(seq 600); do
    # A busy machine may miss a press between two polls: press again.
    [ $((i % 40)) = 0 ] && press
    snap "$E2E_TMP/after.miff"
    changed=$(differs "$E2E_TMP/after.miff" "$E2E_TMP/before.miff")
    [ "$changed" -gt 10 ] && break
    sleep 0.05
  done
  [ "$changed" -gt 10 ] || fail "answer $n: the count did not change"
  w=$(red_width "$E2E_TMP/after.miff")
  step=$((200 / n))
  # The red part is (200 / n) * wrong answers, the division first.
  p=$(( (w + step / 2) / step ))
  d=$(( w - p * step )); [ ${d#-} -le 1 ] || fail "answer $n: $w red pixels is no multiple of $step"
  [ "$p" = "$pech" ] || [ "$p" = $((pech + 1)) ] || fail "answer $n: wrong answers went from $pech to $p"
  if [ "$n" = 1 ]; then
    [ "$w" -le 1 ] || [ "$w" -ge 199 ] || fail "first answer: the bar is neither all green nor all red ($w)"
  fi
  pech=$p
  # The frames go when the pause is over.
  if [ "$n" -lt 50 ]; then
    wait_px 203 136 "$box"
    cp "$E2E_TMP/last.miff" "$E2E_TMP/before.miff"
  fi
done
traf=$((50 - pech))
echo "quiz: $traf right, $pech wrong"

# The closing picture, centred on x 425 from y 305.
eew=$(identify -format %w "$WORK/media/ee.png"); eeh=$(identify -format %h "$WORK/media/ee.png")
cx=$((eew / 2)); cy=$((eeh / 2))
wait_px $((425 - eew / 2 + cx)) $((305 + cy)) "$(pixel "$WORK/media/ee.png" $cx $cy)" 10
sleep 0.5
snap "$E2E_TMP/end.miff"
w=$(red_width "$E2E_TMP/end.miff")
[ "$w" -ge $((4 * pech - 1)) ] && [ "$w" -le $((4 * pech + 1)) ] || fail "closing: $w red pixels for $pech wrong answers"
[ "$(differs "$E2E_TMP/end.miff" "$bg")" -lt 20 ] || fail "closing: the questions-to-go count is still shown"
# The grade word in yellow, right of the closing picture.
yellow=$(convert "$E2E_TMP/end.miff" -crop 300x50+700+505 +repage -depth 8 txt:- |
  awk -F'[()]' 'NR > 1 { split($2, c, ","); if (c[1] > 200 && c[2] > 200 && c[3] < 90) n++ } END { print n + 0 }')
[ "$yellow" -gt 100 ] || fail "closing: no grade word ($yellow yellow pixels)"
# No answers any more: a click on the top box changes nothing.
press; sleep 1
snap "$E2E_TMP/end2.miff"
[ "$(compare -metric AE -fuzz 3% "$E2E_TMP/end.miff" "$E2E_TMP/end2.miff" null: 2>&1 | cut -d' ' -f1)" -lt 50 ] ||
  fail "closing: a click on an empty answer box changed the screen"

key Escape
s=$(game_status)
[ "$s" = 0 ] || fail "Escape: exit status $s"
echo "quiz: ok"
