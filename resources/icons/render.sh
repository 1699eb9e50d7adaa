#!/bin/sh
# Renders the committed PNG and ICO icons from the SVG drawings (needs rsvg-convert and
# ImageMagick); run it after changing a drawing. The icon groups hold 16 and 32 pixels at
# 256 colours and 48 pixels at 32 bits, as Windows programs of the reading device's era did.
set -e
cd "$(dirname "$0")"
for name in karavel application-x-wolf-ebook; do
    for size in 16 32 48; do
        rsvg-convert -w $size -h $size $name.svg -o $name-$size.png
    done
    convert \( $name-16.png -type PaletteAlpha \) \( $name-32.png -type PaletteAlpha \) $name-48.png $name.ico
done
