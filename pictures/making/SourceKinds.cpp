#include "SourceKinds.h"

#include "ArchiveSource.h"
#include "EpubSource.h"
#include "ExtractedBook.h"
#include "Fb2Source.h"
#include "PdfSource.h"
#include "PictureFrames.h"
#include "PictureNames.h"
#include "Sources.h"
#include "TextSource.h"

#include <QFile>
#include <QFileInfo>

namespace making {
namespace {

bool IsFolder(const QString& path)
{
    return QFileInfo(path).isDir();
}

void AddPicturePage(const QString& path, const QStringList& chapters, const TMakeOptions&, TSourceBook& book)
{
    int frames = 1;
    if (QFile file(path); MayHoldFrames(path) && file.open(QIODevice::ReadOnly)) frames = FrameCount(file, path);
    AddFramePages(PictureFilePage(path, TPageKind::Picture, chapters), frames, book.Pages);
}

bool HasSuffix(const TSourceKind& kind, const QString& path)
{
    const QString name = QFileInfo(path).fileName().toLower();
    for (const QString& suffix : kind.Suffixes)
        if (name.endsWith(u'.' + suffix)) return true;
    return false;
}

std::vector<TSourceKind> Kinds()
{
    return {
        {"folders written by extract", {}, false, AddExtractedBookPages, IsExtractedBook},
        {"folders (sub-folders become chapters)", {}, true, AddFolderPages, IsFolder},
        {"EPUB e-books", {"epub"}, true, AddEpubPages},
        // Before the archives, which take any .zip.
        {"FB2 e-books (also .fb2.zip)", {"fb2", "fb2.zip"}, true, AddFb2Pages},
        {"comic archives (CBZ, CBR, CB7, TAR)", ArchiveSuffixes(), true, AddArchivePages},
        {"PDFs", {"pdf"}, true, AddPdfPages},
        {"text files", {"txt"}, true, AddTextFilePages},
        {"pictures (PNG, JPEG, BMP, GIF, TIFF, WebP)", PictureSuffixes(), false, AddPicturePage},
    };
}

}  // namespace

const std::vector<TSourceKind>& SourceKinds()
{
    static const std::vector<TSourceKind> kinds = Kinds();
    return kinds;
}

const TSourceKind* KindOf(const QString& path)
{
    for (const TSourceKind& kind : SourceKinds())
        if (kind.Accepts ? kind.Accepts(path) : HasSuffix(kind, path)) return &kind;
    return nullptr;
}

QString SourceFilePatterns()
{
    QStringList patterns;
    for (const TSourceKind& kind : SourceKinds())
        for (const QString& suffix : kind.Suffixes) patterns << QStringLiteral("*.") + suffix;
    return patterns.join(u' ');
}

QString SourceKindsText()
{
    QStringList kinds;
    for (const TSourceKind& kind : SourceKinds()) kinds << QLatin1String(kind.Name);
    const QString last = kinds.takeLast();
    return kinds.join(QLatin1String(", ")) + QStringLiteral(" or ") + last;
}

}  // namespace making
