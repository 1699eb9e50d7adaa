// An entry's name as libarchive gives it, which differs by system: libarchive converts names
// through the C library's locale, and Windows has no UTF-8 locale for it to use.
#pragma once

#include "EntryNames.h"

struct archive_entry;

namespace making {

// UTF-8 where libarchive could make it so (declared UTF-8, or stored bytes that happen to be
// valid UTF-8 where the thread's locale is UTF-8, see Utf8ThreadLocale.h), else the bytes as stored.
TStoredName ListedEntryName(archive_entry* entry);

}  // namespace making
