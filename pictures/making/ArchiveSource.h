// Comic archives (CBZ/ZIP, CBR/RAR, CB7/7z, TAR and compressed TARs) through libarchive.
#pragma once

#include "ProcessOptions.h"
#include "SourceBook.h"

#include <QStringList>

namespace making {

// The names archives end in.
QStringList ArchiveSuffixes();

// One page per picture in the archive, in natural order of the entries' paths, their
// folders as chapters below the given ones. EMakeFailure for an archive that cannot be
// read, holds no picture, or names an entry outside itself ("../", an absolute path).
// Entries are never unpacked to the disk; one that expands beyond MaxSourceBytes,
// whatever its header claims (a zip bomb), is refused before it fills the memory.
void AddArchivePages(const QString& path, const QStringList& chapters, const TMakeOptions& options, TSourceBook& book);

}  // namespace making
