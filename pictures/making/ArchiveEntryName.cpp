#include "ArchiveEntryName.h"

#include <archive_entry.h>

namespace making {

TStoredName ListedEntryName(archive_entry* entry)
{
    const char* utf8 = archive_entry_pathname_utf8(entry);
    return {QByteArray(utf8 ? utf8 : archive_entry_pathname(entry)), utf8 != nullptr};
}

}  // namespace making
