#!/usr/bin/env bash
# Builds Karavel and starts the viewer on the sample book it generates.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DKARAVEL_BENCH=OFF >/dev/null
cmake --build build-release -j"$(nproc)" --target karavel sample_book
exec build-release/app/karavel build-release/sample/sample.wol
