# The learning screen: a hovered flag is framed and named, a right button
# held on a flag shows it large until release ("Nepal" without frames), the
# "menu" button lights and leads back, Escape ends the program.
source "$SRC/tests/lib/e2e.sh"
source "$SRC/tests/fixtures/gallery/media.sh"
start_x
WORK="$E2E_TMP/work"
gallery_media "$WORK/media"
start_game
menu_shown
enter_nauka
shot "$E2E_TMP/plain.png"

# Flags of the first row: cell 1 "Nepal" at x 43..132, cell 2 at x 149..238,
# both y 162..221.
[ "$(red_min "$E2E_TMP/plain.png" 40 190 4 1)" -gt 60 ] || fail "an outline around Nepal"
[ "$(red_min "$E2E_TMP/plain.png" 146 190 4 1)" -le 10 ] || fail "no outline around the second flag"

# Hover the second flag: the frame's near-white line left of it and the name.
move 194 192; sleep 0.6
shot "$E2E_TMP/hover2.png"
[ "$(red_max "$E2E_TMP/hover2.png" 143 190 6 1)" -ge 245 ] || fail "no hover frame around the second flag"
[ "$(red_max "$E2E_TMP/plain.png" 143 190 6 1)" -lt 200 ] || fail "a frame before hovering"
same_area "$E2E_TMP/plain.png" 100 95 500 55 "$E2E_TMP/hover2.png" && fail "no name shown on hover"
near "$(pixel "$E2E_TMP/hover2.png" 194 192)" "${N1_RGB[1]}" 6 || fail "the flag itself changed on hover"

# Nepal gets the hover frame too, and another name.
move 88 192; sleep 0.6
shot "$E2E_TMP/hover1.png"
[ "$(red_max "$E2E_TMP/hover1.png" 37 190 6 1)" -ge 245 ] || fail "no hover frame around Nepal"
same_area "$E2E_TMP/hover1.png" 100 95 500 55 "$E2E_TMP/hover2.png" && fail "the same name for two flags"

# Right button held on the second flag: the large flag with its frames.
rclick_hold 194 192
wait_pixel 500 400 "$DUZA_RGB" 6
shot "$E2E_TMP/big.png"
near "$(pixel "$E2E_TMP/big.png" 299 400)" "222 222 222" 6 || fail "no light frame: $(pixel "$E2E_TMP/big.png" 299 400)"
near "$(pixel "$E2E_TMP/big.png" 296 400)" "0 0 0" 6 || fail "no dark frame"
sleep 1
shot "$E2E_TMP/big2.png"
near "$(pixel "$E2E_TMP/big2.png" 500 400)" "$DUZA_RGB" 6 || fail "the large flag went while the button is held"
xdotool mouseup 3
wait_pixel 500 400 "$(pixel "$E2E_TMP/plain.png" 500 400)" 6

# The same for Nepal, without frames.
rclick_hold 88 192
wait_pixel 500 400 "$DUZA_RGB" 6
shot "$E2E_TMP/bign.png"
near "$(pixel "$E2E_TMP/bign.png" 300 400)" "$DUZA_RGB" 6 || fail "large Nepal: edge covered"
near "$(pixel "$E2E_TMP/bign.png" 297 400)" "$(pixel "$E2E_TMP/plain.png" 297 400)" 6 || fail "large Nepal framed"
xdotool mouseup 3
wait_pixel 500 400 "$(pixel "$E2E_TMP/plain.png" 500 400)" 6

# The "menu" button lights under the pointer and leads back.
move 960 35; sleep 0.6
shot "$E2E_TMP/lit.png"
same_area "$E2E_TMP/plain.png" 925 25 70 20 "$E2E_TMP/lit.png" && fail "the menu button does not light"
click 960 35
menu_shown

# Again into NAUKA; Escape there ends the program after the menu shows.
enter_nauka
key Escape
s=$(game_status)
[ "$s" = 0 ] || fail "Escape: exit status $s"
grep -q trezalia: "$E2E_TMP/err" && fail "messages: $(game_stderr)"
echo "nauka: ok"
