#!/usr/bin/env bash
# Installs the Debian packages the game needs to build and run; with "test" also
# what the test suites need, with "media" what the media generators need (and
# node with npm, when the machine has none). Only what is missing is installed.
set -euo pipefail

pkgs=(build-essential cmake pkg-config
      liballegro5-dev liballegro-image5-dev liballegro-ttf5-dev
      liballegro-audio5-dev liballegro-acodec5-dev)
if [ "${1:-}" = "test" ]; then
  pkgs+=(libgtest-dev googletest xvfb xauth xdotool imagemagick x11-utils
        python3 python3-pil python3-numpy nodejs desktop-file-utils)
fi
if [ "${1:-}" = "media" ]; then
  pkgs=(python3 python3-pil python3-numpy fonts-liberation2 fonts-texgyre optipng
        librsvg2-bin imagemagick)
fi
if [ "${1:-}" = "bench" ]; then
  pkgs+=(libbenchmark-dev xvfb xauth xdotool imagemagick x11-utils time)
fi

missing=()
if [ "${1:-}" = "media" ] && ! command -v npm >/dev/null; then pkgs+=(nodejs npm); fi
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq >&2
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
