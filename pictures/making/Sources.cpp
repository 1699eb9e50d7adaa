#include "Sources.h"

#include "ArchiveSource.h"
#include "NaturalOrder.h"
#include "PdfSource.h"
#include "PictureDecoding.h"
#include "PictureNames.h"
#include "TextSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace making {
namespace {

bool IsTextName(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0;
}

class TCollector {
public:
    TCollector(QSize screen, TPageRange pdfPages, std::vector<TSourcePage>& pages)
        : FScreen(screen), FPdfPages(pdfPages), FPages(pages)
    {
    }

    // chapters: where the source stands; own: whether it opens a chapter of its own.
    void AddSource(const QString& path, const QStringList& chapters, bool ownChapter)
    {
        const QFileInfo info(path);
        const QStringList inner = ownChapter ? chapters + QStringList{SourceTitle(path)} : chapters;
        if (info.isDir())
            AddFolder(path, inner);
        else if (!info.exists())
            throw EMakeFailure(QStringLiteral("Cannot open \"%1\". No such file or folder").arg(path));
        else if (IsArchiveName(path))
            AddArchivePages(path, inner, FPages);
        else if (IsTextName(path))
            AddTextFilePages(path, inner, FScreen, FPages);
        else if (IsPdfName(path))
            AddPdfPages(path, inner, FPdfPages, FPages);
        else
            FPages.push_back(PictureFilePage(path, TPageKind::Picture, chapters));
    }

private:
    void AddFolder(const QString& path, const QStringList& chapters)
    {
        const QDir folder(path);
        QStringList names = folder.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
        SortNaturally(names);
        for (const QString& name : names) {
            const QString entry = folder.filePath(name);
            const QFileInfo info(entry);
            if (info.isDir() || IsArchiveName(name) || IsTextName(name) || IsPdfName(name))
                AddSource(entry, chapters, true);
            else if (IsPictureName(name))
                AddSource(entry, chapters, false);
        }
    }

    QSize FScreen;
    TPageRange FPdfPages;
    std::vector<TSourcePage>& FPages;
};

}  // namespace

TSourcePage PictureFilePage(const QString& path, TPageKind kind, const QStringList& chapters)
{
    return {kind, path, chapters, [path] { return ReadSourceFile(path); }, {}};
}

QString SourceTitle(const QString& path)
{
    const QFileInfo info(QDir::cleanPath(path));
    return info.isDir() ? info.fileName() : info.completeBaseName();
}

std::vector<TSourcePage> CollectPages(const QStringList& sources, QSize screen, TPageRange pdfPages)
{
    std::vector<TSourcePage> pages;
    TCollector collector(screen, pdfPages, pages);
    for (const QString& source : sources) {
        const size_t before = pages.size();
        collector.AddSource(source, {}, sources.size() > 1 && !IsPictureName(source));
        if (pages.size() == before) throw EMakeFailure(QStringLiteral("\"%1\" holds no pictures or text").arg(source));
    }
    return pages;
}

}  // namespace making
