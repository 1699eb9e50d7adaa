// On Windows libarchive keeps names as wide text. In the C library's "C" locale, which Qt leaves
// in place there, a name not declared UTF-8 becomes its stored bytes, each the character of the
// same number; its 8-bit forms (archive_entry_pathname and _utf8) would hold neither a Chinese
// name declared UTF-8 nor, as UTF-8, the bytes of one that is not.
#include "ArchiveEntryName.h"

#include <QString>
#include <algorithm>
#include <archive_entry.h>

namespace making {

TStoredName ListedEntryName(archive_entry* entry)
{
    const wchar_t* wide = archive_entry_pathname_w(entry);
    const QString name = wide ? QString::fromWCharArray(wide) : QString();
    // A character beyond a byte's range comes from a name declared UTF-8 (or stored as UTF-16).
    // A declared one within that range is taken for stored bytes, which its guess then reads
    // (as Latin-1 at worst, which gives it back).
    if (std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() > 0xFF; })) return {name.toUtf8(), true};
    return {name.toLatin1(), false};
}

}  // namespace making
