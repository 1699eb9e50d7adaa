#include "ArchiveReader.h"

#include "ArchiveEntryName.h"
#include "EntryNames.h"
#include "MakeFailure.h"
#include "Utf8ThreadLocale.h"

#include <QFile>
#include <algorithm>
#include <archive.h>
#include <archive_entry.h>

namespace making {

// A regular file's name as libarchive gives it (ArchiveEntryName.h).
struct TArchiveReader::TListedName {
    int Index = 0;  // in stored order, counting every entry
    QByteArray Bytes;
    bool IsUtf8 = false;  // declared so, or stored bytes that happen to be valid UTF-8
};

void TArchiveReader::TCloser::operator()(archive* a) const
{
    archive_read_free(a);
}

TArchiveReader::TArchiveReader(QString path, qint64 maxExpansion)
    : FPath(std::move(path)), FRoot(this), FMaxExpansion(maxExpansion)
{
}

TArchiveReader::TArchiveReader(std::shared_ptr<TArchiveReader> outer, int index, QString label)
    : FPath(std::move(label)), FOuter(std::move(outer)), FIndexInOuter(index), FRoot(FOuter->FRoot)
{
}

TArchiveReader::~TArchiveReader()
{
    if (FRoot->FKept == this) FRoot->FKept = nullptr;
}

std::vector<std::pair<int, QString>> TArchiveReader::List()
{
    const platform::TUtf8ThreadLocale utf8;
    const std::vector<TListedName> listed = ListNames(nullptr);
    std::vector<TStoredName> stored;
    stored.reserve(listed.size());
    for (const TListedName& name : listed) stored.push_back({name.Bytes, name.IsUtf8});
    // Among names in another character set, one that happens to be valid UTF-8 must be decoded
    // like the others. Listed as Latin-1, a name the archive declares UTF-8 stays as it was and
    // a stored one changes.
    if (MixesCharacterSets(stored)) {
        const std::vector<TListedName> asLatin1 = ListNames("hdrcharset=ISO-8859-1");
        for (size_t i = 0; i < stored.size() && i < asLatin1.size(); ++i)
            if (stored[i].DeclaredUtf8) stored[i].DeclaredUtf8 = asLatin1[i].Bytes == listed[i].Bytes;
    }
    const QStringList names = DecodeEntryNames(stored);
    std::vector<std::pair<int, QString>> files;
    for (size_t i = 0; i < listed.size(); ++i) files.emplace_back(listed[i].Index, names[qsizetype(i)]);
    return files;
}

std::vector<TArchiveReader::TListedName> TArchiveReader::ListNames(const char* options)
{
    Open(options);
    std::vector<TListedName> names;
    archive_entry* entry = nullptr;
    while (NextHeader(entry)) {
        if (archive_entry_filetype(entry) == AE_IFREG) {
            TStoredName name = ListedEntryName(entry);
            names.push_back({FNextIndex - 1, std::move(name.Bytes), name.DeclaredUtf8});
        }
        Skip(entry, true);
    }
    return names;
}

QByteArray TArchiveReader::Read(int index, const QString& name, qint64 maxBytes)
{
    const platform::TUtf8ThreadLocale utf8;
    if (!FArchive || index < FNextIndex) Open();
    archive_entry* entry = nullptr;
    while (FNextIndex <= index) {
        if (!NextHeader(entry)) Fail(QStringLiteral("ends before \"%1\"").arg(name));
        if (FNextIndex <= index) Skip(entry, false);
    }
    if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > maxBytes) FailTooLarge(name, maxBytes);
    QByteArray bytes;
    // Room for what the header claims, within bounds, spares copies as the bytes grow.
    if (archive_entry_size_is_set(entry)) bytes.reserve(archive_entry_size(entry));
    char chunk[64 * 1024];
    for (;;) {
        const la_ssize_t got = archive_read_data(FArchive.get(), chunk, sizeof chunk);
        if (got < 0) Fail(QStringLiteral("cannot unpack \"%1\": %2").arg(name, ErrorText()));
        if (got == 0) break;
        FRoot->CountExpanded(got);
        if (bytes.size() + got > maxBytes) FailTooLarge(name, maxBytes);
        bytes.append(chunk, got);
    }
    return bytes;
}

// Skipping is unpacking in a compressed TAR, which is one stream, and in a solid 7z block
// before an entry of it is read (a 7z's headers alone are listed for free): that counts, as
// much as the header says, since that is what libarchive unpacks to pass it.
void TArchiveReader::Skip(archive_entry* entry, bool listing)
{
    const bool unpacks = archive_filter_code(FArchive.get(), 0) != ARCHIVE_FILTER_NONE ||
                         (!listing && archive_format(FArchive.get()) == ARCHIVE_FORMAT_7ZIP);
    if (unpacks && archive_entry_size_is_set(entry))
        FRoot->CountExpanded(std::max<qint64>(0, archive_entry_size(entry)));
    archive_read_data_skip(FArchive.get());
}

void TArchiveReader::ReleaseInnerArchive()
{
    if (FRoot->FKept) FRoot->FKept->Close();
}

void TArchiveReader::Open(const char* options)
{
    FArchive.reset();
    FNextIndex = 0;
    if (FOuter && FBytes.isNull()) {
        // The bytes kept so far go first, unless they are where these come from.
        if (FRoot->FKept != FOuter.get()) FRoot->Keep(nullptr);
        FBytes = FOuter->Read(FIndexInOuter, FPath);
        FRoot->Keep(this);
    }
    FArchive.reset(archive_read_new());
    archive_read_support_filter_all(FArchive.get());
    archive_read_support_format_all(FArchive.get());
    // Formats whose names carry their character set ignore it.
    if (options) archive_read_set_options(FArchive.get(), options);
    int opened = ARCHIVE_OK;
    if (FOuter)
        opened = archive_read_open_memory(FArchive.get(), FBytes.constData(), static_cast<size_t>(FBytes.size()));
    else
#ifdef Q_OS_WIN
        opened =
            archive_read_open_filename_w(FArchive.get(), reinterpret_cast<const wchar_t*>(FPath.utf16()), 64 * 1024);
#else
        opened = archive_read_open_filename(FArchive.get(), QFile::encodeName(FPath).constData(), 64 * 1024);
#endif
    if (opened != ARCHIVE_OK) Fail(QStringLiteral("cannot be opened: %1").arg(ErrorText()));
}

void TArchiveReader::Close()
{
    FArchive.reset();
    FBytes = QByteArray();
    FNextIndex = 0;
    if (FRoot->FKept == this) FRoot->FKept = nullptr;
}

void TArchiveReader::Keep(TArchiveReader* inner)
{
    if (FKept && FKept != inner) FKept->Close();
    FKept = inner;
}

bool TArchiveReader::NextHeader(archive_entry*& entry)
{
    const int result = archive_read_next_header(FArchive.get(), &entry);
    if (result == ARCHIVE_EOF) return false;
    if (result < ARCHIVE_WARN) Fail(QStringLiteral("is damaged: %1").arg(ErrorText()));
    ++FNextIndex;
    return true;
}

void TArchiveReader::CountExpanded(qint64 bytes)
{
    FExpanded += bytes;
    if (FExpanded > FMaxExpansion) Fail(QStringLiteral("expands beyond %1 MB in all").arg(FMaxExpansion >> 20));
}

QString TArchiveReader::ErrorText() const
{
    const char* text = FArchive ? archive_error_string(FArchive.get()) : nullptr;
    return text ? QString::fromUtf8(text) : QStringLiteral("unknown error");
}

void TArchiveReader::Fail(const QString& what) const
{
    throw EMakeFailure(QStringLiteral("The archive \"%1\" %2").arg(FPath, what));
}

void TArchiveReader::FailTooLarge(const QString& name, qint64 maxBytes) const
{
    Fail(QStringLiteral("holds \"%1\", which expands beyond %2 MB").arg(name).arg(maxBytes >> 20));
}

}  // namespace making
