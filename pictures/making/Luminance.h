// The grey of colour pictures, as Qt's own conversion gives it, at a fraction of its cost.
#pragma once

#include <QImage>

namespace making {

// A Format_RGB32 picture in sRGB (or with no colour space) as Format_Grayscale8: the
// luminance of each pixel under the white of ICC profiles, within one level of
// QImage::convertToFormat and equal to it for every grey pixel. A null picture when the
// memory for it cannot be had.
QImage GreyOfRgb32(const QImage& picture);

// A Format_Grayscale16 picture as Format_Grayscale8, rounded as QImage::convertToFormat does.
QImage GreyOfGrey16(const QImage& picture);

// A Format_Indexed8, Format_Mono or Format_MonoLSB picture (a palette, a bilevel scan) as
// Format_Grayscale8: each colour of its table as QImage::convertToFormat makes it grey (Qt
// converts a palette one level differently before and after its first conversion of
// colours), the table's alpha ignored.
// Qt's own conversion of a bilevel scan costs twenty times its decoding.
QImage GreyOfIndexed(const QImage& picture);

}  // namespace making
