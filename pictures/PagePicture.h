// Decoded pages as Qt pictures, shared by the viewer and wolftool.
#pragma once

#include "uWolfReader.h"

#include <QImage>

namespace pagepicture {

// The page's grey levels as they are, in Format_Grayscale8; a null image for an empty page.
QImage ToQImage(const wolf::TGreyImage& page);

// A Format_Grayscale8 picture as a page's grey levels (other formats are made grey first).
wolf::TGreyImage ToGreyImage(const QImage& picture);

// Turns a picture of W by H pixels for the display's orientation:
// 0 upright; 1 a quarter counter-clockwise, pixel (x, y) to (y, W-1-x);
// 2 a quarter clockwise, pixel (x, y) to (H-1-y, x). Other values leave it upright.
QImage TurnForOrientation(const QImage& picture, int orientation);

}  // namespace pagepicture
