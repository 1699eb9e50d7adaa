#!/bin/sh
# Renders the committed PNG and ICO icons from the SVG drawings (needs rsvg-convert and
# ImageMagick); run it after changing a drawing.
set -e
cd "$(dirname "$0")"
for name in karavel application-x-wolf-ebook; do
    for size in 16 32 48; do
        rsvg-convert -w $size -h $size $name.svg -o $name-$size.png
    done
    convert $name-16.png $name-32.png $name-48.png $name.ico
done
