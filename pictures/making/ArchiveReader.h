// An archive (ZIP, RAR, 7z, TAR and compressed TARs) read entry by entry through libarchive,
// nothing unpacked to the disk; an archive stored in another is read from memory.
#pragma once

#include "SourceFiles.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

struct archive;
struct archive_entry;

namespace making {

// Reads entries front to back, opening the archive again only for a step backwards.
// Failures raise EMakeFailure naming the archive. Not for use from two threads at once.
class TArchiveReader {
public:
    // maxExpansion bounds what the archive and the archives in it expand to in all, over
    // every read through this reader and its inner readers.
    explicit TArchiveReader(QString path, qint64 maxExpansion = MaxArchiveExpansionBytes);
    // The archive in outer's entry index, labelled label (outer's name, then the entry's).
    // Its bytes are unpacked from outer when it is read and kept while it is read on; one
    // inner archive of an archive file keeps its bytes at a time.
    TArchiveReader(std::shared_ptr<TArchiveReader> outer, int index, QString label);
    ~TArchiveReader();
    TArchiveReader(const TArchiveReader&) = delete;
    TArchiveReader& operator=(const TArchiveReader&) = delete;

    // Stored order index and path of every regular file, names decoded (EntryNames.h).
    // Only headers are read: no entry is unpacked.
    std::vector<std::pair<int, QString>> List();

    // The entry's bytes; one that expands beyond maxBytes, whatever its header claims (a zip
    // bomb), is refused before it fills the memory, and so is one that takes the archive
    // beyond its total. name labels messages.
    QByteArray Read(int index, const QString& name, qint64 maxBytes = MaxSourceBytes);

    // 1 for an archive file, 2 for an archive in it, and so on.
    int Depth() const { return FOuter ? FOuter->Depth() + 1 : 1; }

    // Lets go of the bytes of the inner archive that is kept; they are unpacked again when needed.
    void ReleaseInnerArchive();

private:
    struct TCloser {
        void operator()(archive* a) const;
    };
    struct TListedName;

    void Open(const char* options = nullptr);
    void Close();
    void Keep(TArchiveReader* inner);
    std::vector<TListedName> ListNames(const char* options);
    bool NextHeader(archive_entry*& entry);
    void Skip(archive_entry* entry, bool listing);
    void CountExpanded(qint64 bytes);
    QString ErrorText() const;
    [[noreturn]] void Fail(const QString& what) const;
    [[noreturn]] void FailTooLarge(const QString& name, qint64 maxBytes) const;

    const QString FPath;
    std::unique_ptr<archive, TCloser> FArchive;
    int FNextIndex = 0;

    // An inner archive's: where its bytes come from, and the bytes while it is open.
    const std::shared_ptr<TArchiveReader> FOuter;
    const int FIndexInOuter = -1;
    QByteArray FBytes;

    // The archive file's, for itself and every archive in it.
    TArchiveReader* const FRoot;
    const qint64 FMaxExpansion = 0;
    qint64 FExpanded = 0;
    TArchiveReader* FKept = nullptr;  // the inner archive that keeps its bytes
};

}  // namespace making
