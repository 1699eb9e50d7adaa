#!/usr/bin/env bash
# Builds Karavel and runs every test: the formatting and lint gate, a short fuzzing run of
# each fuzz target, the sanitizer build, the Windows build of the book library under Wine,
# and last the normal build, whose test summary closes the output.
# GUI tests run without a display (offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

bash scripts/check-style.sh build
bash scripts/fuzz-smoke.sh
bash scripts/test-sanitized.sh
bash scripts/test-windows.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)" --timeout 300
