// Pictures read from untrusted bytes, with their size bounded before any pixel is decoded.
#pragma once

#include "ProcessOptions.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace making {

// Larger claims are refused before decoding: 64 megapixels is a 600 dpi scan of a poster.
constexpr qint64 MaxPicturePixels = 64LL * 1024 * 1024;

// Decodes the bytes (any format Qt's image plug-ins read); name labels messages, and the
// decoder's own warnings, which are passed on after it. Raises EMakeFailure for bytes that are
// no picture, a truncated picture (also one its decoder says ends early) or one too large.
// pages: the options the picture is processed with, if it is; a JPEG is then decoded at half,
// a quarter or an eighth of its size where that is still twice what its pages need.
// frame: which of the pictures in the bytes (the pages of a multi-page TIFF).
QImage DecodePicture(const QByteArray& bytes, const QString& name, const TProcessOptions* pages = nullptr,
                     int frame = 0);

// The picture as 8-bit grey, transparent parts on white paper.
QImage ToGrey(const QImage& picture);

}  // namespace making
