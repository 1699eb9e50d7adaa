#!/usr/bin/env bash
# Cross-builds Karavel for Windows with MinGW-w64 in build-windows/: karavel.exe, wolftool.exe
# and every test, on the libraries scripts/build-windows-deps.sh makes (built the first time,
# reused later). Then lays out the portable folder build-windows/dist/ (the programs, the DLLs
# and plug-ins they load, the translations), zips it beside the folder, and makes the installer
# build-windows/Karavel-<version>-setup.exe with NSIS.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh cmake ninja-build pkg-config libgtest-dev g++-mingw-w64-x86-64-posix wine64 \
  qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n nsis zip

prefix=$(bash scripts/build-windows-deps.sh | tail -1)
build=build-windows
log=$build/build.log
mkdir -p "$build"
started=$SECONDS
echo "build-windows: configuring and building in $build" >&2
# Release: no debug information, which would make the build much slower; the function names stay
# for winedbg's backtraces (x86_64-w64-mingw32-nm -C maps them), dist/ is stripped.
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DKARAVEL_WINDOWS_PREFIX="$prefix" \
  -DCMAKE_BUILD_TYPE=Release -DKARAVEL_BENCH=OFF >"$log" 2>&1 || { tail -30 "$log"; exit 1; }
cmake --build "$build" -j2 >>"$log" 2>&1 || { grep -E -B5 -A20 "error|FAILED" "$log" | head -80; exit 1; }

rm -rf "$build/dist"
cmake --install "$build" --prefix "$build/dist" --strip >>"$log"
version=$(sed -n 's/^!define VERSION "\(.*\)"/\1/p' "$build/installer/karavel.nsi")
rm -f "$build/Karavel-$version-windows.zip"
(cd "$build/dist" && zip -qr "../Karavel-$version-windows.zip" .)
# The uninstaller removes what was installed, file by file, and no more.
removals=$build/installer/removals.nsh
(
  cd "$build/dist"
  find . -type f -printf 'Delete "$INSTDIR\\%P"\n' | sed 's|/|\\|g'
  find . -mindepth 1 -type d -printf '%d %P\n' | sort -rn | cut -d' ' -f2- |
    sed 's|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|'
) >"$removals"
makensis -V2 -DDIST="$PWD/$build/dist" -DOUTFILE="$PWD/$build/Karavel-$version-setup.exe" \
  -DREMOVALS="$PWD/$removals" "$build/installer/karavel.nsi" >>"$log"
echo "build-windows: $build/dist, $build/Karavel-$version-windows.zip and $build/Karavel-$version-setup.exe" \
  "in $((SECONDS - started)) s" >&2
