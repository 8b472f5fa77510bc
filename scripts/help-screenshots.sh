#!/bin/sh
# Remakes the pictures of the help book (data/Help/images/) from the program's real windows, on a private X
# server with a window manager, so that they can be made again whenever a window changes.
#
# Usage: scripts/help-screenshots.sh [build folder] [display number]
# Needs Xvfb and openbox (Debian: xvfb, openbox) and a configured build folder (default: build).
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$here/build"}
display=${2:-:71}
out="$here/data/Help/images"

cmake --build "$build" -j2 --target pelinor_helpshots pelinor_data

if [ -e "/tmp/.X11-unix/X${display#:}" ]; then
    echo "display $display is in use; name another one" >&2
    exit 1
fi
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
xvfb=$!
trap 'kill $wm 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT INT TERM
sleep 1
DISPLAY=$display openbox &
wm=$!
sleep 1

mkdir -p "$out"
DISPLAY=$display QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 "$build/tests/pelinor_helpshots" "$out"
echo "pictures written to $out"
