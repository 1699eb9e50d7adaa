// Source files read whole into memory, with their size bounded first.
#pragma once

#include <QByteArray>
#include <QString>

namespace making {

// Files and archive entries larger than this are refused before they fill the memory.
constexpr qint64 MaxSourceBytes = 256LL * 1024 * 1024;

// The text a source may hold: four times the longest printed novels (about 7 MB), and room for
// the longest serials online (ten million Chinese characters); the text and its pages are held in
// memory at once.
constexpr qint64 MaxTextBytes = 32LL * 1024 * 1024;

// The whole file, or EMakeFailure when it cannot be read or is larger than MaxSourceBytes.
QByteArray ReadSourceFile(const QString& path);

}  // namespace making
