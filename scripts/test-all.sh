#!/usr/bin/env bash
# Builds Karavel and runs every test: the normal build, the sanitizer build and a short
# fuzzing run of each fuzz target. GUI tests run without a display (offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)" --timeout 300

bash scripts/test-sanitized.sh
bash scripts/fuzz-smoke.sh
