// Decoded pages as Qt pictures, shared by the viewer and wolftool.
#pragma once

#include "uWolfReader.h"

#include <QImage>

namespace pagepicture {

// The page's grey levels as they are, in Format_Grayscale8; a null image for an empty page.
QImage ToQImage(const wolf::TGreyImage& page);

// A Format_Grayscale8 picture as a page's grey levels (other formats are made grey first).
wolf::TGreyImage ToGreyImage(const QImage& picture);

// How the display turns pages, in the order of the viewer's orientation commands and of
// wolftool's --orientation numbers.
enum class TOrientation { Portrait, LandscapeLeft, LandscapeRight };
constexpr int OrientationCount = 3;

// Turns a picture of W by H pixels for the display's orientation: landscape left a quarter
// counter-clockwise, pixel (x, y) to (y, W-1-x); landscape right a quarter clockwise,
// pixel (x, y) to (H-1-y, x).
QImage TurnForOrientation(const QImage& picture, TOrientation orientation);

}  // namespace pagepicture
