#include "Sources.h"

#include "MakeFailure.h"
#include "NaturalOrder.h"
#include "SourceFiles.h"
#include "SourceKinds.h"

#include <QDir>
#include <QFileInfo>

namespace making {

TSourcePage PictureFilePage(const QString& path, TPageKind kind, const QStringList& chapters)
{
    return {kind, path, chapters, [path] { return ReadSourceFile(path); }, {}};
}

QString SourceTitle(const QString& path)
{
    const QFileInfo info(QDir::cleanPath(path));
    if (info.isDir()) return info.fileName();
    // A kind's whole suffix goes, ".fb2.zip" as much as ".pdf".
    const QString name = info.fileName();
    if (const TSourceKind* kind = KindOf(path))
        for (const QString& suffix : kind->Suffixes)
            if (name.endsWith(u'.' + suffix, Qt::CaseInsensitive) && name.size() > suffix.size() + 1)
                return name.left(name.size() - suffix.size() - 1);
    return FileTitle(path);
}

QString FileTitle(const QString& path)
{
    QString title = QFileInfo(path).completeBaseName();
    if (title.endsWith(QLatin1String(".tar"), Qt::CaseInsensitive)) title.chop(4);
    return title;
}

void AddSource(const QString& path, const QStringList& chapters, bool ownChapter, const TMakeOptions& options,
               TSourceBook& book)
{
    if (!QFileInfo::exists(path))
        throw EMakeFailure(QStringLiteral("Cannot open \"%1\". No such file or folder").arg(path));
    // A file named on its own is taken as a picture whatever its name; the decoder judges it.
    const TSourceKind* kind = KindOf(path);
    if (!kind) kind = &SourceKinds().back();
    const QStringList inner = ownChapter && kind->OwnChapter ? chapters + QStringList{SourceTitle(path)} : chapters;
    kind->AddPages(path, inner, options, book);
}

void AddFolderPages(const QString& path, const QStringList& chapters, const TMakeOptions& options, TSourceBook& book)
{
    const QDir folder(path);
    QStringList names = folder.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    SortNaturally(names);
    for (const QString& name : names) {
        const QString entry = folder.filePath(name);
        if (!KindOf(entry)) continue;
        // What an entry tells of a book is not the folder's.
        TSourceBook added;
        AddSource(entry, chapters, true, options, added);
        for (TSourcePage& page : added.Pages) book.Pages.push_back(std::move(page));
    }
}

TSourceBook CollectSources(const QStringList& sources, const TMakeOptions& options)
{
    TSourceBook book;
    for (qsizetype i = 0; i < sources.size(); ++i) {
        TSourceBook added;
        AddSource(sources[i], {}, sources.size() > 1, options, added);
        if (added.Pages.empty()) throw EMakeFailure(QStringLiteral("\"%1\" holds no pictures or text").arg(sources[i]));
        if (i == 0) {
            book = std::move(added);
            using wolf::TWolfDescription;
            if (!book.Description[TWolfDescription::Title])
                book.Description[TWolfDescription::Title] = SourceTitle(sources[i]);
        } else {
            for (TSourcePage& page : added.Pages) book.Pages.push_back(std::move(page));
        }
    }
    return book;
}

}  // namespace making
