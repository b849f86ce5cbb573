# Leaving the quiz: the "menu" button lit under the pointer and clicked gives
# the menu with the program still running; a new entry starts a new quiz;
# Escape gives the menu once and then ends the program with status 0. The
# sound goes to an ALSA file device: an answer's cue must reach it.
source "$SRC/tests/lib/e2e.sh"
source "$SRC/tests/fixtures/quiz/media.sh"
start_x
alsa_to_file
quiz_media "$E2E_TMP/media" el
make_workdir "$E2E_TMP/media"
start_game
wait_menu

# The quiz is fully shown once the red half of the bar is there.
enter_quiz() {
  click 510 370
  move 425 300
  wait_pixel 900 461 "220 20 20" 8 300
  sleep 0.3
}

enter_quiz
# One answer, so that a new entry can be told from this quiz; its cue plays.
[ -s "$GLOSNIK" ] && fail "sound before any cue"
click 425 136
wait_sound
# After it the bar is all one colour.
for _ in $(seq 300); do
  shot "$E2E_TMP/a.png"
  near "$(pixel "$E2E_TMP/a.png" 800 461)" "$(pixel "$E2E_TMP/a.png" 900 461)" 8 && break
  sleep 0.1
done
near "$(pixel "$E2E_TMP/a.png" 800 461)" "$(pixel "$E2E_TMP/a.png" 900 461)" 8 || fail "the first answer left the bar half red"
sleep 2
# The "menu" button lights under the pointer.
move 5 700; sleep 0.5
shot "$E2E_TMP/plain.png"
move 960 35; sleep 0.5
shot "$E2E_TMP/lit.png"
a=($(pixel "$E2E_TMP/plain.png" 940 40)); b=($(pixel "$E2E_TMP/lit.png" 940 40))
[ $((b[1] + b[2])) -gt $((a[1] + a[2] + 20)) ] || fail "the menu button is not lit: ${a[*]} -> ${b[*]}"
near "$(pixel "$E2E_TMP/lit.png" 920 22)" "$(pixel "$E2E_TMP/plain.png" 920 22)" 3 || fail "lit outside its area"

click 960 35
wait_menu
sleep 1
kill -0 "$GPID" 2>/dev/null || fail "the program ended after the menu button"

# A new entry: a new quiz, its bar half red again.
enter_quiz
shot "$E2E_TMP/again.png"
red=$(convert "$E2E_TMP/again.png" -crop 200x1+750+461 +repage -depth 8 txt:- |
  awk -F'[()]' 'NR > 1 { split($2, c, ","); if (c[1] > 150 && c[2] < 100 && c[3] < 100) n++ } END { print n + 0 }')
[ "$red" -ge 99 ] && [ "$red" -le 101 ] || fail "a new quiz does not start with the bar half red ($red)"

key Escape
s=$(game_status)
[ "$s" = 0 ] || fail "Escape in the quiz: exit status $s"
echo "quiz leave: ok"
