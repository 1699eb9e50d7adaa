#include "ArchiveReader.h"

#include "MakeFailure.h"
#include "SourceFiles.h"

#include <QFile>
#include <archive.h>
#include <archive_entry.h>

namespace making {
namespace {

QByteArray EntryPath(archive_entry* entry)
{
    const char* utf8 = archive_entry_pathname_utf8(entry);
    return utf8 ? QByteArray(utf8) : QByteArray(archive_entry_pathname(entry));
}

}  // namespace

void TArchiveReader::TCloser::operator()(archive* a) const
{
    archive_read_free(a);
}

TArchiveReader::TArchiveReader(QString path) : FPath(std::move(path)) {}

TArchiveReader::~TArchiveReader() = default;

std::vector<std::pair<int, QString>> TArchiveReader::List()
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

QByteArray TArchiveReader::Read(int index, const QString& name)
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

void TArchiveReader::Open()
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

bool TArchiveReader::NextHeader(archive_entry*& entry)
{
    const int result = archive_read_next_header(FArchive.get(), &entry);
    if (result == ARCHIVE_EOF) return false;
    if (result < ARCHIVE_WARN) Fail(QStringLiteral("is damaged: %1").arg(ErrorText()));
    ++FNextIndex;
    return true;
}

QString TArchiveReader::ErrorText() const
{
    const char* text = archive_error_string(FArchive.get());
    return text ? QString::fromUtf8(text) : QStringLiteral("unknown error");
}

void TArchiveReader::Fail(const QString& what) const
{
    throw EMakeFailure(QStringLiteral("The archive \"%1\" %2").arg(FPath, what));
}

void TArchiveReader::FailTooLarge(const QString& name) const
{
    Fail(QStringLiteral("holds \"%1\", which expands beyond %2 MB").arg(name).arg(MaxSourceBytes >> 20));
}

}  // namespace making
