#include "EntryNames.h"

#include "BookEncoding.h"

#include <algorithm>

namespace making {
namespace {

bool IsAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

QStringList DecodeEntryNames(const std::vector<TStoredName>& names)
{
    std::vector<std::string> undeclared;
    for (const TStoredName& name : names)
        if (!name.DeclaredUtf8 && !IsAscii(name.Bytes)) undeclared.push_back(name.Bytes.toStdString());
    // Together they make text enough for a guess where one short name would not.
    const platform::TBookEncoding guessed =
        undeclared.empty() ? platform::TBookEncoding("UTF-8") : platform::TBookEncoding::Detect(undeclared);
    QStringList decoded;
    for (const TStoredName& name : names)
        decoded << (name.DeclaredUtf8 ? QString::fromUtf8(name.Bytes) : guessed.Decode(name.Bytes.toStdString()));
    return decoded;
}

bool MixesCharacterSets(const std::vector<TStoredName>& names)
{
    const auto declared = [](const TStoredName& name) { return name.DeclaredUtf8 && !IsAscii(name.Bytes); };
    const auto undeclared = [](const TStoredName& name) { return !name.DeclaredUtf8; };
    return std::any_of(names.begin(), names.end(), declared) && std::any_of(names.begin(), names.end(), undeclared);
}

}  // namespace making
