// Pictures read from untrusted bytes, with their size bounded before any pixel is decoded.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace making {

// Larger claims are refused before decoding: 64 megapixels is a 600 dpi scan of a poster.
constexpr qint64 MaxPicturePixels = 64LL * 1024 * 1024;

// Decodes the bytes (any format Qt's image plug-ins read); name only labels messages.
// Raises EMakeFailure for bytes that are no picture, a truncated picture or one too large.
QImage DecodePicture(const QByteArray& bytes, const QString& name);

// The picture as 8-bit grey, transparent parts on white paper.
QImage ToGrey(const QImage& picture);

}  // namespace making
