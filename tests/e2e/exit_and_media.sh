# WYJŚCIE ends the program with 0; Escape on the info page ends it after the
# menu; a missing or broken media file stops it with 1 and names the file;
# without a sound device it still runs.
source "$SRC/tests/lib/e2e.sh"
start_x

make_workdir
start_game
wait_picture "$WORK/media/tlo2.png"
click 510 520
s=$(game_status); [ "$s" = 0 ] || fail "WYJŚCIE: exit status $s"

make_workdir
start_game
wait_picture "$WORK/media/tlo2.png"
click 510 470
wait_picture "$WORK/media/tlo1.png"
key Escape
s=$(game_status); [ "$s" = 0 ] || fail "Escape on the info page: exit status $s"

# Each required file removed in turn, and one broken picture.
for f in tlo.jpg tlo2.png tlo1.png el.png ee.png k3.png arial.ttf palab.ttf s2.wav n1.txt wn.txt; do
  make_workdir
  rm "$WORK/media/$f"
  (cd "$WORK" && "$TREZALIA" >"$E2E_TMP/out" 2>"$E2E_TMP/err"); s=$?
  [ "$s" = 1 ] || fail "without $f: exit status $s"
  grep -q "media/$f" "$E2E_TMP/err" || fail "without $f: message does not name it: $(cat "$E2E_TMP/err")"
  [ -s "$E2E_TMP/out" ] && fail "without $f: output on standard output"
done
make_workdir
head -c 100 "$SRC/media/tlo2.png" >"$WORK/media/tlo2.png"
(cd "$WORK" && "$TREZALIA" >/dev/null 2>"$E2E_TMP/err"); s=$?
[ "$s" = 1 ] && grep -q "media/tlo2.png" "$E2E_TMP/err" || fail "truncated tlo2.png: status $s, $(cat "$E2E_TMP/err")"

# No sound device at all: ALSA finds no configuration, no PulseAudio server.
make_workdir
export ALSA_CONFIG_PATH=/nonexistent PULSE_SERVER=/nonexistent AUDIODEV=/nonexistent
start_game
wait_picture "$WORK/media/tlo2.png"
key Escape
s=$(game_status); [ "$s" = 0 ] || fail "without sound: exit status $s"
echo "exit and media: ok"
