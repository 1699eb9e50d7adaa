#include "MemoryKeyStore.h"

using platform::TDefaultValue;

namespace {
QString KeyOf(const QString& path)
{
    return path.toLower();
}
}  // namespace

void TMemoryKeyStore::CreateKey(const QString& path)
{
    if (FLocked.contains(KeyOf(path)))
        throw std::runtime_error("Failed to create key '" + path.toStdString() + "'");
    QString prefix;
    for (const QString& part : path.split(u'\\')) {
        prefix += (prefix.isEmpty() ? QString() : QStringLiteral("\\")) + part;
        FKeys.try_emplace(KeyOf(prefix));
    }
}

TDefaultValue TMemoryKeyStore::ReadDefaultValue(const QString& path) const
{
    const auto found = FKeys.find(KeyOf(path));
    return found == FKeys.end() ? TDefaultValue() : found->second;
}

void TMemoryKeyStore::WriteDefaultValue(const QString& path, const QString& text)
{
    if (FReadOnly.contains(KeyOf(path)) || !FKeys.count(KeyOf(path)))
        throw std::runtime_error("Failed to set data for ''");
    FKeys[KeyOf(path)] = {TDefaultValue::TKind::Text, text};
}

bool TMemoryKeyStore::HasSubKey(const QString& path, const QString& name) const
{
    return FKeys.count(KeyOf(path + u'\\' + name)) > 0;
}

void TMemoryKeyStore::SetDefaultValue(const QString& path, const TDefaultValue& value)
{
    CreateKey(path);
    FKeys[KeyOf(path)] = value;
}

QString TMemoryKeyStore::Dump() const
{
    QString text;
    for (const auto& [key, value] : FKeys) {
        text += key + QStringLiteral(" = ");
        if (value.Kind == TDefaultValue::TKind::Text)
            text += value.Text;
        else if (value.Kind == TDefaultValue::TKind::NotText)
            text += QStringLiteral("<binary>");
        text += u'\n';
    }
    return text;
}
