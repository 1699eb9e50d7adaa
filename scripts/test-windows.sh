#!/usr/bin/env bash
# Builds Karavel for Windows (scripts/build-windows.sh: the programs, every test, the portable
# folder and the installer) and runs all its tests under Wine, in a private Wine prefix in
# build-windows, on a virtual X screen: the book, platform, session, picture, maker, dialog
# and window tests, the Windows pieces between real processes, and the installer. Ends with
# ctest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build-windows.sh
bash scripts/install-deps.sh xvfb xauth x11-utils fonts-wine

build=build-windows
# Under Wine a program makes top-level windows only where it has a display, and only while the
# prefix's desktop, started by the first program that needed one, has one too: so the prefix is
# stopped before the tests (the build ran programs without a display) and after them.
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
# The server's end is waited for: a new one started while it ends would not serve.
stop_wine() {
  WINEPREFIX="$PWD/$build/wineprefix" "$wineserver" -k 2>/dev/null || true
  WINEPREFIX="$PWD/$build/wineprefix" "$wineserver" -w 2>/dev/null || true
}
stop_wine
trap stop_wine EXIT
# One server serves the whole run: programs started one after another each found a server
# about to end and lost it as they connected ("recvmsg: Connection reset by peer"), which
# failed a test or the listing of a test program's tests about one run in five. The server and
# the prefix's desktop are started on the virtual screen with no pipe of ctest's open, which
# ctest would otherwise wait on. A test that still fails so is run once more; one that fails
# twice fails the run.
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  WINEPREFIX="$PWD/$1/wineprefix" "$2" -p </dev/null >/dev/null 2>&1
  "$1/wine-run" wineboot </dev/null >/dev/null 2>&1
  ctest --test-dir "$1" --output-on-failure -j2 --timeout 300 --repeat until-pass:2
' test-windows "$build" "$wineserver"
