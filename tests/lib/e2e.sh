# Shared by the end-to-end scripts: a private X server, the game in a work
# folder of its own, real pointer and key events, and pixel reads.
set -u

: "${TREZALIA:?TREZALIA must name the game binary}"
: "${SRC:=$(pwd)}"
E2E_TMP=$(mktemp -d /tmp/trezalia-e2e.XXXXXX)
XPID=""
GPID=""

e2e_cleanup() {
  [ -n "$GPID" ] && { pkill -P "$GPID" 2>/dev/null; kill "$GPID" 2>/dev/null; }
  [ -n "$XPID" ] && kill "$XPID" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# A private Xvfb, 1024 x 768, on a free display number; tried again when
# another server takes the number first.
start_x() {
  for t in Xvfb xdotool import convert; do
    command -v $t >/dev/null || { echo "skip: $t missing" >&2; exit 77; }
  done
  for attempt in 1 2 3 4 5; do
    rm -f "$E2E_TMP/displayfd"
    exec 5>"$E2E_TMP/displayfd"
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >"$E2E_TMP/xvfb.log" 2>&1 &
    XPID=$!
    exec 5>&-
    for _ in $(seq 100); do
      [ -s "$E2E_TMP/displayfd" ] && break
      sleep 0.05
    done
    DISPLAY=":$(head -n1 "$E2E_TMP/displayfd" 2>/dev/null)"
    export DISPLAY
    sleep 0.2
    if kill -0 "$XPID" 2>/dev/null && xdotool getdisplaygeometry >/dev/null 2>&1; then return 0; fi
    kill "$XPID" 2>/dev/null
    sleep 0.$((RANDOM % 9 + 1))
  done
  fail "no X server could be started: $(cat "$E2E_TMP/xvfb.log")"
}

# A work folder whose media/ is a copy of the given folder (default: the game's).
make_workdir() {
  local from=${1:-$SRC/media}
  WORK="$E2E_TMP/work"
  rm -rf "$WORK"
  mkdir -p "$WORK"
  cp -r "$from" "$WORK/media"
}

# Starts a command in a folder in the background (GPID its subshell, the
# exit status to $E2E_TMP/status) and waits for the game's window: 0 when
# it shows, 1 when the command ended first; fails after ten seconds.
launch() {
  local cmd=$1 dir=$2
  rm -f "$E2E_TMP/status"
  (cd "$dir" && "$cmd" >"$E2E_TMP/out" 2>"$E2E_TMP/err"; echo $? >"$E2E_TMP/status") &
  GPID=$!
  for _ in $(seq 200); do
    xdotool search --name '^Trezalia$' >/dev/null 2>&1 && return 0
    [ -s "$E2E_TMP/status" ] && return 1
    sleep 0.05
  done
  fail "no game window from $cmd"
}

# Starts the game in $WORK (make_workdir first) and waits for its window.
start_game() {
  local attempt
  for attempt in 1 2 3; do
    launch "$TREZALIA" "$WORK" && return 0
    # A loaded machine's X server can refuse a display now and then: a new
    # server and one more try; any other early end is a failure.
    grep -q 'cannot open a 1024 x 768 window' "$E2E_TMP/err" ||
      fail "the game ended before its window opened: $(cat "$E2E_TMP/err")"
    echo "note: no display on try $attempt, starting a new X server" >&2
    kill "$XPID" 2>/dev/null
    start_x
  done
  fail "the game ended before its window opened: $(cat "$E2E_TMP/err")"
}

# Waits for the game to end; prints its exit status.
game_status() {
  # Up to a minute: the fades run slowly on a loaded machine.
  for _ in $(seq 1200); do
    [ -s "$E2E_TMP/status" ] && break
    sleep 0.05
  done
  [ -s "$E2E_TMP/status" ] || fail "the game did not end"
  cat "$E2E_TMP/status"
}

game_stdout() { cat "$E2E_TMP/out"; }
game_stderr() { cat "$E2E_TMP/err"; }

move() { xdotool mousemove "$1" "$2"; sleep 0.05; }
# Left click at a point, held long enough for several polls.
click() { move "$1" "$2"; sleep 0.1; xdotool mousedown 1; sleep 0.15; xdotool mouseup 1; sleep 0.1; }
rclick_hold() { move "$1" "$2"; sleep 0.1; xdotool mousedown 3; }
key() { xdotool keydown "$1"; sleep 0.15; xdotool keyup "$1"; }

# Screenshot of the whole screen into a file.
shot() { import -window root "$1" 2>/dev/null; }

# "r g b" of one pixel of a picture.
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}

# Waits until the screen's pixel at (x, y) is within tol of "r g b"; the shot stays in $E2E_TMP/last.png.
wait_pixel() {
  local px=$1 py=$2 want=$3 tol=${4:-6} tries=${5:-150}
  for _ in $(seq "$tries"); do
    shot "$E2E_TMP/last.png"
    if near "$(pixel "$E2E_TMP/last.png" "$px" "$py")" "$want" "$tol"; then return 0; fi
    sleep 0.1
  done
  fail "pixel ($px, $py) is $(pixel "$E2E_TMP/last.png" "$px" "$py"), expected $want"
}

# Whether two "r g b" values differ by at most tol in each component.
near() {
  local a=($1) b=($2) tol=$3
  for i in 0 1 2; do
    local d=$(( ${a[$i]} - ${b[$i]} ))
    [ ${d#-} -le "$tol" ] || return 1
  done
}

# Mean "r g b" of a rectangle of a picture.
mean_rgb() {
  convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -format "%[fx:int(255*mean.r+0.5)] %[fx:int(255*mean.g+0.5)] %[fx:int(255*mean.b+0.5)]" info:
}

# A point, "x y", where a screen's background shows clearly and differs from
# the other backgrounds, away from all texts: the menu's ribbon under the F11
# hint (tlo2.png), a lit patch left of the information panel (tlo1.png).
probe() {
  case $(basename "$1") in
    tlo2.png) echo "381 49" ;;
    tlo1.png) echo "175 438" ;;
    *) echo "8 8" ;;
  esac
}

# Waits until a screen shows the given background at its probe point.
wait_picture() {
  local p=($(probe "$1"))
  wait_pixel "${p[0]}" "${p[1]}" "$(pixel "$1" "${p[0]}" "${p[1]}")" "${2:-6}"
}

# The main menu is up.
wait_menu() { wait_picture "$WORK/media/tlo2.png" "$@"; }

# A screen with the small "menu" button (any but the main menu) is up and
# faded in: the button's face shows at (930, 25) as in el.png.
wait_menu_button() { wait_pixel 930 25 "$(pixel "$WORK/media/el.png" 10 55)" 3 "${1:-150}"; }

# The information page is up: its panel frame (0, 150, 150) shows.
wait_info() { wait_pixel 260 400 "0 150 150" "${1:-12}"; }

# Sends ALSA's default device through a .asoundrc in a temporary HOME to
# tests/lib/glosnik.py, read at a real device's pace: the cues play on a
# machine without a sound card, and each stretch of sound is noted in $GLOSNIK.
alsa_to_file() {
  GLOSNIK=$E2E_TMP/glosnik
  mkdir -p "$E2E_TMP/home"
  printf 'pcm.!default {\n  type file\n  slave.pcm "null"\n  file "|python3 %s %s"\n  format "raw"\n}\n' \
    "$SRC/tests/lib/glosnik.py" "$GLOSNIK" >"$E2E_TMP/home/.asoundrc"
  export HOME=$E2E_TMP/home
}

# Waits up to five seconds for sound to reach the file device.
wait_sound() {
  for _ in $(seq 50); do
    [ -s "$GLOSNIK" ] && return 0
    sleep 0.1
  done
  fail "no sound reached the ALSA file device"
}

# Starts a command (e.g. the installed launcher, by path or by name on the
# PATH) in the given folder and waits for its window, like start_game.
start_command() {
  launch "$1" "$2" || fail "$1 ended before its window opened: $(cat "$E2E_TMP/err")"
}
