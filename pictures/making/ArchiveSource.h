// Comic archives (CBZ/ZIP, CBR/RAR, CB7/7z, TAR and compressed TARs) through libarchive.
#pragma once

#include "SourcePage.h"

#include <vector>

namespace making {

// Entries are never unpacked to the disk; still, an entry larger than this is refused,
// whatever its header claims (a zip bomb), before it fills the memory.
constexpr qint64 MaxArchiveEntryBytes = 256LL * 1024 * 1024;

bool IsArchiveName(const QString& path);

// One page per picture in the archive, in natural order of the entries' paths, their
// folders as chapters below the given ones. EMakeFailure for an archive that cannot be
// read, holds no picture, or names an entry outside itself ("../", an absolute path).
void AddArchivePages(const QString& path, const QStringList& chapters, std::vector<TSourcePage>& pages);

}  // namespace making
