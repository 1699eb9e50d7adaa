// An archive (ZIP, RAR, 7z, TAR and compressed TARs) read entry by entry through libarchive,
// nothing unpacked to the disk.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

struct archive;
struct archive_entry;

namespace making {

// Reads entries front to back, opening the archive again only for a step backwards.
// Failures raise EMakeFailure naming the archive.
class TArchiveReader {
public:
    explicit TArchiveReader(QString path);
    ~TArchiveReader();
    TArchiveReader(const TArchiveReader&) = delete;
    TArchiveReader& operator=(const TArchiveReader&) = delete;

    // Stored order index and path of every regular file.
    std::vector<std::pair<int, QString>> List();

    // The entry's bytes; one that expands beyond MaxSourceBytes, whatever its header claims
    // (a zip bomb), is refused before it fills the memory. name labels messages.
    QByteArray Read(int index, const QString& name);

private:
    struct TCloser {
        void operator()(archive* a) const;
    };

    void Open();
    bool NextHeader(archive_entry*& entry);
    QString ErrorText() const;
    [[noreturn]] void Fail(const QString& what) const;
    [[noreturn]] void FailTooLarge(const QString& name) const;

    QString FPath;
    std::unique_ptr<archive, TCloser> FArchive;
    int FNextIndex = 0;
};

}  // namespace making
