#!/bin/sh
# Takes the README's picture of the viewer on Windows: karavel.exe from the portable folder,
# under Wine in a virtual desktop of its own (which draws the Windows window frame) on a virtual
# X screen, showing the sample book; saved as resources/screenshot-windows.png.
# Usage: tools/screenshot-windows.sh [windows-build-directory]   (after scripts/build-windows.sh)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-windows}
width=700
height=740

bash "$root/scripts/install-deps.sh" xvfb xauth imagemagick wine64 fonts-wine
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
work=$(mktemp -d)
export WINEPREFIX="$work/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$work"' EXIT
# A settings file of its own, as in tools/screenshot.sh: the window fills the desktop at 75 %.
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
"$wine" wineboot --init >/dev/null 2>&1
"$wineserver" --wait
# Wine started from /usr/lib/wine does not find its own fonts (Tahoma, and Marlett for the window
# buttons); the prefix's font folder is searched too.
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"

KARAVEL_SETTINGS="$work/karavel.ini" xvfb-run -a -s "-screen 0 ${width}x${height}x24" sh -c '
  "$1" explorer /desktop=Karavel,$2 "$3" "$4" & viewer=$!
  sleep 15
  import -window root "$5"
  kill $viewer
  wait $viewer || true
' screenshot "$wine" "${width}x${height}" "$build/dist/karavel.exe" "$build/sample/sample.wol" "$work/shot.png"
cp "$work/shot.png" "$root/resources/screenshot-windows.png"
echo "resources/screenshot-windows.png"
