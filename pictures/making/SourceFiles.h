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
// What one archive may expand to in all, its inner archives and their entries included, counted
// as the bytes come out (headers may lie), and as entries are passed where passing unpacks them
// (a compressed TAR, a solid 7z), over every read of it for one book: the pages, ComicInfo.xml,
// and each inner archive twice (listed, then read). Real comics stay far below:
// a large volume is a few hundred MB, 300 scans of 10 MB are 3 GB, an archive of such archives
// twice that; a few MB of zeros could otherwise keep the machine unpacking for minutes.
constexpr qint64 MaxArchiveExpansionBytes = 8LL * 1024 * 1024 * 1024;

// The whole file, or EMakeFailure when it cannot be read or is larger than MaxSourceBytes.
QByteArray ReadSourceFile(const QString& path);

}  // namespace making
