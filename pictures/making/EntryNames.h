// Entry names as archives store them, made into text: many archivers write names in the
// system's own character set (Shift_JIS, CP866, GBK, ...) without saying which.
#pragma once

#include <QByteArray>
#include <QStringList>
#include <vector>

namespace making {

struct TStoredName {
    QByteArray Bytes;
    bool DeclaredUtf8 = false;  // the archive says it is UTF-8 (ZIP's flag or Unicode path field, pax, 7z)
};

// Declared names as UTF-8; the others in one character set guessed over all of them together
// (an archiver writes every name in the same one): UTF-8 when they all are, else the guess.
QStringList DecodeEntryNames(const std::vector<TStoredName>& names);

// Whether names in another character set lie beside non-ASCII ones marked UTF-8, which may then
// be stored names that happen to be valid UTF-8 as well as declared ones.
bool MixesCharacterSets(const std::vector<TStoredName>& names);

}  // namespace making
