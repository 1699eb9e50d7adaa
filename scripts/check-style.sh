#!/usr/bin/env bash
# Fails on a formatting difference from .clang-format anywhere in the tree, or on a finding of
# .clang-tidy's checks in the program's own sources (not the tests, benchmarks or fuzzers).
# Usage: scripts/check-style.sh [BUILD]   (BUILD holds compile_commands.json; default build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "Formatting: no differences"

[[ -f "$build/compile_commands.json" ]] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# Generated headers (moc, resources, versions) must exist before the sources can be read.
cmake --build "$build" -j"$(nproc)" >/dev/null
# The sources this platform compiles, of the program's own folders.
mapfile -t sources < <(grep -o '"file": "[^"]*"' "$build/compile_commands.json" | cut -d'"' -f4 | sort -u |
                       grep -E "^$PWD/(book|platform|pictures|session|dialogs|app|tools)/")
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${sources[@]}" >"$build/clang-tidy.log" 2>&1 || {
  grep -E 'error:|warning:' "$build/clang-tidy.log" | sort -u
  echo "clang-tidy found the faults above (full output: $build/clang-tidy.log)"
  exit 1
}
echo "clang-tidy: no findings in ${#sources[@]} files"
