// Pictures read from untrusted bytes, with their size bounded before any pixel is decoded.
#pragma once

#include "ProcessOptions.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <stdexcept>

namespace making {

// A picture, a source or a book that cannot be made into pages; the message names it.
class EMakeFailure : public std::runtime_error {
public:
    explicit EMakeFailure(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// The user stopped the work.
class ECancelled : public EMakeFailure {
public:
    ECancelled() : EMakeFailure(QStringLiteral("Stopped; no book was written")) {}
};

// Larger claims are refused before decoding: 64 megapixels is a 600 dpi scan of a poster.
constexpr qint64 MaxPicturePixels = 64LL * 1024 * 1024;

// Files and archive entries larger than this are refused before they fill the memory.
constexpr qint64 MaxSourceBytes = 256LL * 1024 * 1024;

// The whole file, or EMakeFailure when it cannot be read or is larger than MaxSourceBytes.
QByteArray ReadSourceFile(const QString& path);

// Decodes the bytes (any format Qt's image plug-ins read); name only labels messages.
// Raises EMakeFailure for bytes that are no picture, a truncated picture or one too large.
// pages: the options the picture is processed with, if it is; a JPEG is then decoded at the
// smallest size that IsLargeEnough for them, which its decoder reaches at a fraction of the cost.
QImage DecodePicture(const QByteArray& bytes, const QString& name, const TProcessOptions* pages = nullptr);

// The picture as 8-bit grey, transparent parts on white paper.
QImage ToGrey(const QImage& picture);

}  // namespace making
