// The text of a profile file as lines, with lookups and edits that leave every other line
// (comments, blank lines, unknown keys) as it was. Section and key names compare without
// regard to case; the first of duplicate sections or keys is the one that counts.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

class TIniDocument {
public:
    static TIniDocument FromBytes(const QByteArray& bytes);
    QByteArray ToBytes() const;

    std::optional<QString> Value(const QString& section, const QString& key) const;
    // A new key goes after the last key of its section, a new section at the end.
    void SetValue(const QString& section, const QString& key, const QString& value);
    // False when there was no such key.
    bool RemoveKey(const QString& section, const QString& key);

private:
    struct TRange {
        qsizetype Header = -1;  // line of "[section]", -1 when absent
        qsizetype End = 0;      // one past its last line
    };
    TRange FindSection(const QString& section) const;
    qsizetype FindKey(const TRange& range, const QString& key) const;

    QStringList FLines;
    QString FLineEnd = QStringLiteral("\n");
    bool FByteOrderMark = false;  // kept as found, as editors such as Notepad write it
};

}  // namespace platform
