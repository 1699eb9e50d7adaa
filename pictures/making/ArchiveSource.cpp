#include "ArchiveSource.h"

#include "MakeFailure.h"
#include "NaturalOrder.h"
#include "PictureNames.h"
#include "SourceFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <archive.h>
#include <archive_entry.h>
#include <map>
#include <memory>

namespace making {
namespace {

// Reads entries front to back, opening the archive again only for a step backwards.
class TArchiveReader {
public:
    explicit TArchiveReader(const QString& path) : FPath(path) {}

    // Stored order index and path of every regular file.
    std::vector<std::pair<int, QString>> List()
    {
        Open();
        std::vector<std::pair<int, QString>> files;
        archive_entry* entry = nullptr;
        while (NextHeader(entry)) {
            if (archive_entry_filetype(entry) == AE_IFREG)
                files.emplace_back(FNextIndex - 1, QString::fromUtf8(EntryPath(entry)));
            archive_read_data_skip(FArchive.get());
        }
        return files;
    }

    QByteArray Read(int index, const QString& name)
    {
        if (!FArchive || index < FNextIndex) Open();
        archive_entry* entry = nullptr;
        while (FNextIndex <= index) {
            if (!NextHeader(entry)) Fail(QStringLiteral("ends before \"%1\"").arg(name));
            if (FNextIndex <= index) archive_read_data_skip(FArchive.get());
        }
        if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > MaxSourceBytes) FailTooLarge(name);
        QByteArray bytes;
        char chunk[64 * 1024];
        for (;;) {
            const la_ssize_t got = archive_read_data(FArchive.get(), chunk, sizeof chunk);
            if (got < 0) Fail(QStringLiteral("cannot unpack \"%1\": %2").arg(name, ErrorText()));
            if (got == 0) break;
            if (bytes.size() + got > MaxSourceBytes) FailTooLarge(name);
            bytes.append(chunk, got);
        }
        return bytes;
    }

private:
    struct TCloser {
        void operator()(archive* a) const { archive_read_free(a); }
    };

    void Open()
    {
        FArchive.reset(archive_read_new());
        FNextIndex = 0;
        archive_read_support_filter_all(FArchive.get());
        archive_read_support_format_all(FArchive.get());
#ifdef Q_OS_WIN
        const int opened =
            archive_read_open_filename_w(FArchive.get(), reinterpret_cast<const wchar_t*>(FPath.utf16()), 64 * 1024);
#else
        const int opened = archive_read_open_filename(FArchive.get(), QFile::encodeName(FPath).constData(), 64 * 1024);
#endif
        if (opened != ARCHIVE_OK) Fail(QStringLiteral("cannot be opened: %1").arg(ErrorText()));
    }

    bool NextHeader(archive_entry*& entry)
    {
        const int result = archive_read_next_header(FArchive.get(), &entry);
        if (result == ARCHIVE_EOF) return false;
        if (result < ARCHIVE_WARN) Fail(QStringLiteral("is damaged: %1").arg(ErrorText()));
        ++FNextIndex;
        return true;
    }

    static QByteArray EntryPath(archive_entry* entry)
    {
        const char* utf8 = archive_entry_pathname_utf8(entry);
        return utf8 ? QByteArray(utf8) : QByteArray(archive_entry_pathname(entry));
    }

    QString ErrorText() const
    {
        const char* text = archive_error_string(FArchive.get());
        return text ? QString::fromUtf8(text) : QStringLiteral("unknown error");
    }

    [[noreturn]] void Fail(const QString& what) const
    {
        throw EMakeFailure(QStringLiteral("The archive \"%1\" %2").arg(FPath, what));
    }

    [[noreturn]] void FailTooLarge(const QString& name) const
    {
        Fail(QStringLiteral("holds \"%1\", which expands beyond %2 MB").arg(name).arg(MaxSourceBytes >> 20));
    }

    QString FPath;
    std::unique_ptr<archive, TCloser> FArchive;
    int FNextIndex = 0;
};

bool LeavesArchive(const QString& entryPath)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    if (entryPath.startsWith(u'/') || entryPath.startsWith(u'\\') || drive.match(entryPath).hasMatch()) return true;
    for (const QString& part : entryPath.split(QRegularExpression(QStringLiteral("[/\\\\]"))))
        if (part == QLatin1String("..")) return true;
    return false;
}

// Folders that archivers add beside the content.
bool IsHidden(const QString& entryPath)
{
    for (const QString& part : entryPath.split(u'/'))
        if (part.startsWith(u'.') || part == QLatin1String("__MACOSX")) return true;
    return false;
}

}  // namespace

QStringList ArchiveSuffixes()
{
    return {"cbz", "zip", "cbr", "rar", "cb7", "7z", "cbt", "tar", "gz", "tgz", "bz2", "xz"};
}

void AddArchivePages(const QString& path, const QStringList& chapters, const TMakeOptions&, TSourceBook& book)
{
    auto reader = std::make_shared<TArchiveReader>(path);
    std::map<QString, int> indexOfName;
    for (const auto& [index, entryPath] : reader->List()) {
        if (LeavesArchive(entryPath))
            throw EMakeFailure(QStringLiteral("The archive \"%1\" holds \"%2\", a path outside the archive; "
                                              "it is not used")
                                   .arg(path, entryPath));
        if (!IsHidden(entryPath) && IsPictureName(entryPath)) indexOfName.emplace(entryPath, index);
    }
    if (indexOfName.empty()) throw EMakeFailure(QStringLiteral("The archive \"%1\" holds no pictures").arg(path));
    QStringList names;
    for (const auto& entry : indexOfName) names.append(entry.first);
    SortNaturally(names);
    for (const QString& name : names) {
        const int index = indexOfName.at(name);
        QStringList entryChapters = chapters + name.split(u'/', Qt::SkipEmptyParts);
        entryChapters.removeLast();
        const QString label = path + QStringLiteral(": ") + name;
        book.Pages.push_back({TPageKind::Picture,
                              label,
                              entryChapters,
                              [reader, index, label] { return reader->Read(index, label); },
                              {}});
    }
}

}  // namespace making
