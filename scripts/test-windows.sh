#!/usr/bin/env bash
# Cross-builds what needs no Qt (the book library, the registry rules and their tests) as
# Windows programs with MinGW-w64 in build-windows, and runs the tests under Wine in a
# private Wine prefix there. Ends with GoogleTest's summary of the book tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh cmake make libgtest-dev g++-mingw-w64-x86-64-posix wine64

build=build-windows
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DKARAVEL_BOOK_ONLY=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEPREFIX="$PWD/$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  "$wine" wineboot --init >/dev/null 2>&1
  "$wineserver" --wait
fi

failed=0
run() { "$wine" "$build/tests/$1" --gtest_brief=1 "${@:2}" || failed=1; }
run platform/test_registryassociation.exe --gtest_repeat=2  # the same result on a second run
run book/book_resource_tests.exe
run book/book_tests.exe
exit "$failed"
