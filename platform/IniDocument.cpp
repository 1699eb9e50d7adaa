#include "IniDocument.h"

namespace platform {

namespace {

const QByteArray ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

bool IsComment(const QString& trimmed)
{
    return trimmed.startsWith(u';') || trimmed.startsWith(u'#');
}

std::optional<QString> SectionName(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'[')) return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    return trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

std::optional<QString> KeyName(const QString& line)
{
    const QString trimmed = line.trimmed();
    const qsizetype equals = trimmed.indexOf(u'=');
    if (equals < 0 || IsComment(trimmed)) return std::nullopt;
    return trimmed.left(equals).trimmed();
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A line break inside a value would split it into a bogus key on the next read.
QString OneLine(QString value)
{
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    return value;
}

}  // namespace

TIniDocument TIniDocument::FromBytes(const QByteArray& bytes)
{
    TIniDocument document;
    document.FByteOrderMark = bytes.startsWith(ByteOrderMark);
    QString text = QString::fromUtf8(document.FByteOrderMark ? bytes.mid(3) : bytes);
    if (text.contains(QStringLiteral("\r\n"))) document.FLineEnd = QStringLiteral("\r\n");
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    document.FLines = text.split(u'\n');
    if (!document.FLines.isEmpty() && document.FLines.last().isEmpty()) document.FLines.removeLast();
    return document;
}

QByteArray TIniDocument::ToBytes() const
{
    QString text;
    for (const QString& line : FLines) text += line + FLineEnd;
    return FByteOrderMark ? ByteOrderMark + text.toUtf8() : text.toUtf8();
}

TIniDocument::TRange TIniDocument::FindSection(const QString& section) const
{
    TRange range;
    for (qsizetype i = 0; i < FLines.size(); ++i) {
        const std::optional<QString> name = SectionName(FLines[i]);
        if (!name) continue;
        if (range.Header >= 0) {
            range.End = i;
            return range;
        }
        if (SameName(*name, section)) range.Header = i;
    }
    range.End = FLines.size();
    return range;
}

qsizetype TIniDocument::FindKey(const TRange& range, const QString& key) const
{
    for (qsizetype i = range.Header + 1; range.Header >= 0 && i < range.End; ++i) {
        const std::optional<QString> name = KeyName(FLines[i]);
        if (name && SameName(*name, key)) return i;
    }
    return -1;
}

std::optional<QString> TIniDocument::Value(const QString& section, const QString& key) const
{
    const qsizetype line = FindKey(FindSection(section), key);
    if (line < 0) return std::nullopt;
    const QString& text = FLines[line];
    return text.mid(text.indexOf(u'=') + 1).trimmed();
}

void TIniDocument::SetValue(const QString& section, const QString& key, const QString& value)
{
    const TRange range = FindSection(section);
    const qsizetype line = FindKey(range, key);
    if (line >= 0) {
        FLines[line] = *KeyName(FLines[line]) + u'=' + OneLine(value);
        return;
    }
    const QString entry = key + u'=' + OneLine(value);
    if (range.Header < 0) {
        if (!FLines.isEmpty() && !FLines.last().trimmed().isEmpty()) FLines << QString();
        FLines << u'[' + section + u']' << entry;
        return;
    }
    qsizetype insertAt = range.End;
    while (insertAt > range.Header + 1 && FLines[insertAt - 1].trimmed().isEmpty()) --insertAt;
    FLines.insert(insertAt, entry);
}

bool TIniDocument::RemoveKey(const QString& section, const QString& key)
{
    const qsizetype line = FindKey(FindSection(section), key);
    if (line < 0) return false;
    FLines.removeAt(line);
    return true;
}

}  // namespace platform
