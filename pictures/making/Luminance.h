// The grey of colour pictures, as Qt's own conversion gives it, at a fraction of its cost.
#pragma once

#include <QImage>

namespace making {

// A Format_RGB32 picture in sRGB (or with no colour space) as Format_Grayscale8: the
// luminance of each pixel under the white of ICC profiles, within one level of
// QImage::convertToFormat and equal to it for every grey pixel. A null picture when the
// memory for it cannot be had.
QImage GreyOfRgb32(const QImage& picture);

}  // namespace making
