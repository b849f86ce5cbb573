# The quiz: a question with the pointer on an answer, the frames after an
# answer, and the closing picture with its grade after the 50th answer.
source "$SRC/tests/lib/e2e.sh"
source "$SRC/tests/fixtures/quiz/media.sh"
start_x
quiz_media "$E2E_TMP/media"
make_workdir "$E2E_TMP/media"
start_game
wait_menu

snap() { import -window root "$1" 2>/dev/null; }
# Waits until the pixel is (or, with "not", is no longer) near a colour.
wait_px() {
  local px=$1 py=$2 want=$3 not=${4:-}
  for _ in $(seq 600); do
    snap "$E2E_TMP/last.miff"
    if near "$(pixel "$E2E_TMP/last.miff" "$px" "$py")" "$want" 10; then [ -z "$not" ] && return 0
    else [ -n "$not" ] && return 0; fi
    sleep 0.05
  done
  fail "pixel ($px, $py) did not turn as expected"
}
press() { xdotool mousedown 1; sleep 0.3; xdotool mouseup 1; }

click 510 370
move 425 174
wait_px 900 461 "220 20 20"
sleep 0.5
shot "$OUT/quiz.png"
box=$(pixel "$E2E_TMP/last.miff" 203 174)
# The frames of the first answer, over the question as it was shown.
press
wait_px 203 174 "$box" not
shot "$OUT/quiz-answer.png"
for n in $(seq 2 50); do
  wait_px 203 174 "$box"
  press
  wait_px 203 174 "$box" not
done
# The closing picture: the grade word appears right of it.
for _ in $(seq 300); do
  snap "$E2E_TMP/end.miff"
  y=$(convert "$E2E_TMP/end.miff" -crop 300x50+700+505 +repage -depth 8 txt:- |
    awk -F'[()]' 'NR > 1 { split($2, c, ","); if (c[1] > 200 && c[2] > 200 && c[3] < 90) n++ } END { print n + 0 }')
  [ "$y" -gt 100 ] && break
  sleep 0.1
done
sleep 0.5
shot "$OUT/quiz-end.png"
key Escape
game_status >/dev/null
