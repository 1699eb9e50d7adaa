// The page last shown in each of the recently read books, for reopening them there.
#pragma once

#include <QList>
#include <QString>
#include <optional>

struct TReadingPosition {
    QString Path;     // full path
    qint64 Size = 0;  // file size: a different file under the same name starts afresh
    int Page = 0;     // -1 the cover, 0.. a page
};

class TReadingPositions {
public:
    static constexpr int MaxBooks = 100;

    std::optional<int> Find(const QString& path, qint64 size) const;
    // Puts the book first, replacing its earlier entry; the oldest beyond MaxBooks go.
    void Remember(const TReadingPosition& position);

    const QList<TReadingPosition>& Entries() const { return FEntries; }
    void SetEntries(const QList<TReadingPosition>& entries);

    // Section "LastPages" of the settings file, keys Book1 to Book100; values that cannot be
    // read are skipped. Save raises platform::EIniWriteError when the file cannot be written.
    void Load(const QString& settingsFile);
    void Save(const QString& settingsFile) const;

    // "page,size,path" as stored in the settings file; nothing for a malformed value.
    static QString Encode(const TReadingPosition& position);
    static std::optional<TReadingPosition> Decode(const QString& value);

private:
    QList<TReadingPosition> FEntries;  // most recent first
};
