#include "MemoryKeyStore.h"

#include <algorithm>
#include <cctype>

using platform::TDefaultValue;

namespace {
std::string KeyOf(std::string path)
{
    std::transform(path.begin(), path.end(), path.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return path;
}
}  // namespace

void TMemoryKeyStore::CreateKey(const std::string& path)
{
    if (FLocked.count(KeyOf(path))) throw std::runtime_error("Failed to create key '" + path + "'");
    for (size_t end = path.find('\\');; end = path.find('\\', end + 1)) {
        FKeys.try_emplace(KeyOf(path.substr(0, end)));
        if (end == std::string::npos) break;
    }
}

TDefaultValue TMemoryKeyStore::ReadDefaultValue(const std::string& path) const
{
    const auto found = FKeys.find(KeyOf(path));
    return found == FKeys.end() ? TDefaultValue() : found->second;
}

void TMemoryKeyStore::WriteDefaultValue(const std::string& path, const std::string& text)
{
    if (FReadOnly.count(KeyOf(path)) || !FKeys.count(KeyOf(path)))
        throw std::runtime_error("Failed to set data for ''");
    FKeys[KeyOf(path)] = {TDefaultValue::TKind::Text, text};
}

bool TMemoryKeyStore::HasSubKey(const std::string& path, const std::string& name) const
{
    return FKeys.count(KeyOf(path + '\\' + name)) > 0;
}

void TMemoryKeyStore::SetDefaultValue(const std::string& path, const TDefaultValue& value)
{
    CreateKey(path);
    FKeys[KeyOf(path)] = value;
}

std::string TMemoryKeyStore::Dump() const
{
    std::string text;
    for (const auto& [key, value] : FKeys) {
        text += key + " = ";
        if (value.Kind == TDefaultValue::TKind::Text)
            text += value.Text;
        else if (value.Kind == TDefaultValue::TKind::NotText)
            text += "<binary>";
        text += '\n';
    }
    return text;
}
