#!/usr/bin/env bash
# The Windows installer under Wine, in a Wine prefix of its own: installed silently, the
# installed viewer started on a book until its caption names the book (once with its folder
# not writable, when it keeps its settings in the user's folder, then as installed, when they
# go beside it), uninstalled silently; then nothing of it may be left: no file, Start menu
# entry, uninstall record, association or settings.
# Usage: CheckWindowsInstaller.sh SETUP.exe BOOK.wol WORK-FOLDER   (needs an X display)
set -euo pipefail
setup=$1 book=$2 work=$3
[[ -f $setup ]] || { echo "no $setup: scripts/build-windows.sh makes it" >&2; exit 1; }
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
# No desktop entries for the user's own menus from the Start menu entry, no .NET or HTML engines.
export WINEPREFIX=$work/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
rm -rf "$work"
mkdir -p "$work"
program="$WINEPREFIX/drive_c/Program Files/Karavel"
# Not writable even for root: immutable while the viewer runs.
trap 'chattr -i "$program" 2>/dev/null || true; "$wineserver" -k 2>/dev/null || true' EXIT
"$wine" wineboot --init >/dev/null 2>&1
"$wineserver" --wait

files() { (cd "$WINEPREFIX/drive_c" && find . -path ./windows/temp -prune -o -path './users/*/Temp' -prune -o -print | sort); }
registered() { "$wine" reg query "$1" >/dev/null 2>&1; }
fail() {
  echo "$*" >&2
  exit 1
}
files >"$work/before.txt"

"$wine" "$setup" /S
"$wineserver" --wait
for file in karavel.exe wolftool.exe uninstall.exe qt.conf platforms/qwindows.dll; do
  [[ -f $program/$file ]] || fail "not installed: $file"
done
registered 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Karavel' || fail "no uninstall record"
[[ $("$wine" reg query 'HKCR\.wol' /ve 2>/dev/null) == *"Wolf file"* ]] || fail "no .wol association"
find "$WINEPREFIX/drive_c" -name 'Karavel.lnk' | grep -q . || fail "no Start menu entry"

cp "$book" "$work/installed-check.wol"
# Starts the installed viewer on the book, waits for its caption and closes it as at logout.
view_book() {
  "$wine" 'C:\Program Files\Karavel\karavel.exe' "$work/installed-check.wol" &
  local viewer=$! caption=""
  for _ in $(seq 120); do
    caption=$(xwininfo -root -tree 2>/dev/null | grep -o '"Karavel - \[installed-check.wol\]"' || true)
    [[ -n $caption ]] && break
    sleep 0.5
  done
  [[ -n $caption ]] || fail "the installed viewer showed no caption naming the book"
  "$wine" taskkill /IM karavel.exe >/dev/null 2>&1 || true
  wait $viewer || true
  "$wineserver" --wait
  echo "shown: $caption"
}
chattr +i "$program"
view_book
chattr -i "$program"
[[ ! -e $program/karavel.ini ]] || fail "settings written into the program's folder, which was not writable"
grep -q '^MRU1=.*installed-check.wol' "$WINEPREFIX"/drive_c/users/*/AppData/Local/Karavel/karavel.ini ||
  fail "no settings in the user's folder while the program's folder was not writable"
view_book
grep -q '^MRU1=.*installed-check.wol' "$program/karavel.ini" || fail "no settings beside the installed program"

"$wine" "$program/uninstall.exe" /S
"$wineserver" --wait
files >"$work/after.txt"
diff "$work/before.txt" "$work/after.txt" || fail "files left behind (above, marked >)"
for key in 'HKCR\.wol' 'HKCR\Wolf file' 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Karavel'; do
  ! registered "$key" || fail "registry key left behind: $key"
done
echo "installed, shown, uninstalled, nothing left"
