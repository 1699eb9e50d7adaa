#include "ReadingPositions.h"

#include "IniFile.h"

#include <QDir>

namespace {
const QString Section = QStringLiteral("LastPages");

QString BookKey(int number)
{
    return QStringLiteral("Book%1").arg(number);
}

bool SamePath(const QString& a, const QString& b)
{
#ifdef Q_OS_WIN
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}
}  // namespace

std::optional<int> TReadingPositions::Find(const QString& path, qint64 size) const
{
    for (const TReadingPosition& entry : FEntries)
        if (SamePath(entry.Path, path)) return entry.Size == size ? std::optional(entry.Page) : std::nullopt;
    return std::nullopt;
}

void TReadingPositions::Remember(const TReadingPosition& position)
{
    FEntries.removeIf([&](const TReadingPosition& entry) { return SamePath(entry.Path, position.Path); });
    FEntries.prepend(position);
    if (FEntries.size() > MaxBooks) FEntries.resize(MaxBooks);
}

void TReadingPositions::SetEntries(const QList<TReadingPosition>& entries)
{
    FEntries.clear();
    // Oldest first, so that a path listed twice keeps its most recent entry.
    for (auto it = entries.crbegin(); it != entries.crend(); ++it) Remember(*it);
}

QString TReadingPositions::Encode(const TReadingPosition& position)
{
    return QStringLiteral("%1,%2,%3")
        .arg(position.Page)
        .arg(position.Size)
        .arg(QDir::toNativeSeparators(position.Path));
}

std::optional<TReadingPosition> TReadingPositions::Decode(const QString& value)
{
    const qsizetype first = value.indexOf(u',');
    const qsizetype second = first < 0 ? -1 : value.indexOf(u',', first + 1);
    if (second < 0) return std::nullopt;
    bool pageOk = false, sizeOk = false;
    TReadingPosition position;
    position.Page = value.left(first).toInt(&pageOk);
    position.Size = value.mid(first + 1, second - first - 1).toLongLong(&sizeOk);
    position.Path = QDir::fromNativeSeparators(value.mid(second + 1));
    if (!pageOk || !sizeOk || position.Page < -1 || position.Size < 0 || position.Path.isEmpty()) return std::nullopt;
    return position;
}

void TReadingPositions::Load(const QString& settingsFile)
{
    const platform::TIniFile ini(settingsFile);
    QList<TReadingPosition> entries;
    for (int n = 1; n <= MaxBooks; ++n)
        if (const auto entry = Decode(ini.ReadString(Section, BookKey(n), QString()))) entries.append(*entry);
    SetEntries(entries);
}

void TReadingPositions::Save(const QString& settingsFile) const
{
    QList<std::pair<QString, QString>> values;
    QStringList removed;
    for (int n = 1; n <= MaxBooks; ++n) {
        if (n <= FEntries.size())
            values.append({BookKey(n), Encode(FEntries[n - 1])});
        else
            removed.append(BookKey(n));
    }
    platform::TIniFile(settingsFile).WriteKeys(Section, values, removed);
}
