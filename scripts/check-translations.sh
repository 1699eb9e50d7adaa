#!/usr/bin/env bash
# Fails while a text of the viewer (app/, dialogs/, session/, the book maker's options) lacks a
# finished translation in any language: a text new to the sources, one marked unfinished or left
# empty, or a translation whose source text is gone. The .ts files themselves are not changed.
# Usage: scripts/check-translations.sh [LUPDATE]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${1:-/usr/lib/qt6/bin/lupdate}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp "$root"/translations/*.ts "$work"/
"$lupdate" -silent -locations none -extensions cpp,h "$root/app" "$root/dialogs" "$root/session" \
  "$root/pictures/making/OptionDeclarations.cpp" -ts "$work"/*.ts

failed=0
for ts in "$work"/*.ts; do
  name=$(basename "$ts")
  problems=$(grep -n -B3 -E 'type="(unfinished|vanished|obsolete)"|<translation></translation>' "$ts" \
             | grep -E '<source>|type=' || true)
  if [[ -n "$problems" ]]; then
    echo "translations/$name is not complete:"
    echo "$problems"
    failed=1
  fi
done
if ((failed)); then
  echo "Run 'cmake --build build --target update_translations', translate the new texts in"
  echo "translations/*.ts (Qt Linguist: linguist-qt6), and commit them."
  exit 1
fi
echo "Translations complete: $(ls "$work"/*.ts | wc -l) languages"
