// Comic archives (CBZ/ZIP, CBR/RAR, CB7/7z, TAR and compressed TARs) through libarchive.
#pragma once

#include "ProcessOptions.h"
#include "SourceBook.h"

#include <QStringList>

namespace making {

// The names archives end in.
QStringList ArchiveSuffixes();

// One page per picture in the archive, in natural order of the entries' paths, their
// folders as chapters below the given ones. An archive in the archive gives its pages in its
// place, as a chapter named after it, down to three levels of archives in all. The top
// level's ComicInfo.xml tells the book's description, and any archive's that its pages read
// right to left. Entry names are decoded as EntryNames.h says.
// EMakeFailure for an archive that cannot be read, holds no picture, names an entry outside
// itself ("../", an absolute path), or holds archives deeper than that. Entries are never
// unpacked to the disk; the bounds of ArchiveReader.h hold for archives in archives too.
void AddArchivePages(const QString& path, const QStringList& chapters, const TMakeOptions& options, TSourceBook& book);

}  // namespace making
