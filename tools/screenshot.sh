#!/bin/sh
# Takes the README's pictures on a virtual X screen: karavel showing the sample book, saved
# as resources/screenshot.png, and the book maker window, as resources/makebook.png.
# Usage: tools/screenshot.sh [build-directory]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
width=700
height=740

if ! command -v xvfb-run >/dev/null || ! command -v import >/dev/null; then
  apt-get install -y xvfb x11-apps imagemagick
fi
cmake --build "$build" --target karavel sample_book makebookshot -j2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A settings file of its own: the window fills the screen at 75 %, and the user's own
# settings and running instance are left alone.
cat >"$work/karavel.ini" <<INI
[Config]
AllowOneInstance=0
DefScaleIdx=3
[MainWindow]
PosTop=0
PosLeft=0
Height=$height
Width=$width
INI

KARAVEL_SETTINGS="$work/karavel.ini" QT_QPA_PLATFORM=xcb \
xvfb-run -a -s "-screen 0 ${width}x${height}x24" sh -c '
  "$1" "$2" & viewer=$!
  sleep 4
  import -window root "$3"
  kill $viewer
  wait $viewer || true
' screenshot "$build/app/karavel" "$build/sample/sample.wol" "$work/screenshot.png"
cp "$work/screenshot.png" "$root/resources/screenshot.png"
echo "resources/screenshot.png"

QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1000x700x24" "$build/tools/makebookshot/makebookshot" "$work/makebook.png"
cp "$work/makebook.png" "$root/resources/makebook.png"
echo "resources/makebook.png"
