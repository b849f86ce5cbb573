# Installed like any desktop program: cmake --install puts the launcher, the
# game, media, menu entry, icons and docs under a prefix; the launcher, found
# on the PATH and started from another folder (after the prefix was moved),
# shows the menu and ends with Escape; make uninstall leaves nothing behind.
source "$SRC/tests/lib/e2e.sh"
BUILD=$(dirname "$TREZALIA")
[ -f "$BUILD/cmake_install.cmake" ] || fail "$BUILD has no install rules"
command -v make >/dev/null || { echo "skip: make missing" >&2; exit 77; }

# cmake --install rewrites the build's install manifest: keep the one of a real
# install and put it back right after each test install.
MANIFEST="$BUILD/install_manifest.txt"
SAVED="$E2E_TMP/manifest.saved"
[ -f "$MANIFEST" ] && cp -p "$MANIFEST" "$SAVED"
restore_manifest() { if [ -f "$SAVED" ]; then cp -p "$SAVED" "$MANIFEST"; else rm -f "$MANIFEST"; fi; }
trap 'restore_manifest; e2e_cleanup' EXIT

# Installs into $1 (a prefix) with DESTDIR $2; the manifest lands in $E2E_TMP/<name>/.
install_into() {
  local name=$1 prefix=$2 destdir=$3
  DESTDIR=$destdir cmake --install "$BUILD" --prefix "$prefix" >"$E2E_TMP/install.log" 2>&1 ||
    fail "cmake --install: $(cat "$E2E_TMP/install.log")"
  mkdir -p "$E2E_TMP/$name"
  cp "$MANIFEST" "$E2E_TMP/$name/install_manifest.txt"
  restore_manifest
}

# make uninstall with that manifest; then no file and no trezalia folder is left under $1.
uninstall_from() {
  local name=$1 root=$2 destdir=$3
  make -s -C "$SRC" uninstall BUILD="$E2E_TMP/$name" DESTDIR="$destdir" >"$E2E_TMP/uninstall.log" 2>&1 ||
    fail "make uninstall ($name): $(cat "$E2E_TMP/uninstall.log")"
  local left
  left=$(find "$root" ! -type d; find "$root" -type d -name '*trezalia*')
  [ -z "$left" ] || fail "left after make uninstall ($name): $left"
  # What stays are the shared folders (bin, share/icons/...), all empty.
  find "$root" -mindepth 1 -type d -empty -delete
  [ -z "$(ls -A "$root")" ] || fail "left after make uninstall ($name): $(find "$root")"
}

# The installed tree under $1 (prefix as written, with DESTDIR in front).
check_tree() {
  local p=$1 m=$2
  [ -x "$p/bin/trezalia" ] || fail "no launcher bin/trezalia"
  [ -x "$p/libexec/trezalia/trezalia" ] || fail "no game in libexec/trezalia"
  diff -r "$SRC/media" "$p/share/trezalia/media" >/dev/null || fail "share/trezalia/media differs from media/"
  for f in README.md CREDITS.md LICENSE-Liberation.txt LICENSE-TeXGyre.txt; do
    [ -s "$p/share/doc/trezalia/$f" ] || fail "no share/doc/trezalia/$f"
  done
  local d="$p/share/applications/trezalia.desktop"
  [ -f "$d" ] || fail "no menu entry"
  for line in 'Type=Application' 'Name=Trezalia' 'Exec=trezalia' 'Icon=trezalia' 'Terminal=false' \
              'Categories=Education;Geography;' 'Comment=Nauka rozpoznawania flag państw świata'; do
    grep -qxF "$line" "$d" || fail "menu entry lacks $line"
  done
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$d" >"$E2E_TMP/dfv" 2>&1 && [ ! -s "$E2E_TMP/dfv" ] || fail "desktop-file-validate: $(cat "$E2E_TMP/dfv")"
  else
    echo "note: desktop-file-validate missing, menu entry not validated" >&2
  fi
  for s in 16 22 24 32 48 64 128 256; do
    local i="$p/share/icons/hicolor/${s}x${s}/apps/trezalia.png"
    [ "$(identify -format '%m %wx%h' "$i" 2>/dev/null)" = "PNG ${s}x${s}" ] || fail "icon $i is not a ${s}x${s} PNG"
  done
  grep -q '<svg' "$p/share/icons/hicolor/scalable/apps/trezalia.svg" 2>/dev/null || fail "no scalable icon"
  # The manifest names every installed file, so uninstall can find them all.
  local unlisted
  unlisted=$(find "$p" ! -type d | sort | comm -23 - <(sed "s|^|${3:-}|" "$m" | sort))
  [ -z "$unlisted" ] || fail "installed but not in the manifest: $unlisted"
}

# 1. Into a prefix with a space in its name, moved after the install; the
#    launcher is found on the PATH, as the menu entry finds it, and started from /.
PREFIX="$E2E_TMP/pre fix"
install_into plain "$PREFIX" ""
check_tree "$PREFIX" "$E2E_TMP/plain/install_manifest.txt"
mv "$PREFIX" "$E2E_TMP/moved"
start_x
PATH="$E2E_TMP/moved/bin:$PATH" start_command trezalia /
move 5 760
wait_picture "$SRC/media/tlo2.png"
key Escape
s=$(game_status)
[ "$s" = 0 ] || fail "Escape: exit status $s; $(game_stderr)"
grep -q trezalia: "$E2E_TMP/err" && fail "messages on standard error: $(game_stderr)"
mv "$E2E_TMP/moved" "$PREFIX"
uninstall_from plain "$PREFIX" ""

# 2. Staged with DESTDIR, as a package build does; uninstall with the same DESTDIR.
STAGE="$E2E_TMP/stage"
install_into staged /usr/local "$STAGE"
check_tree "$STAGE/usr/local" "$E2E_TMP/staged/install_manifest.txt" "$STAGE"
uninstall_from staged "$STAGE" "$STAGE"
echo "install: ok"
