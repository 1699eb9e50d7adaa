#include "Fb2Source.h"

#include "ArchiveReader.h"
#include "Fb2Document.h"
#include "MakeFailure.h"
#include "SourceFiles.h"

namespace making {

void AddFb2Pages(const QString& path, const QStringList& chapters, const TMakeOptions& options, TSourceBook& book)
{
    if (!path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive))
        return AddEbook(ReadFb2(ReadSourceFile(path), path), chapters, options, book);
    TArchiveReader archive(path);
    // Archivers on macOS add "._NAME" files of their own beside the book.
    for (const auto& [index, entry] : archive.List())
        if (entry.endsWith(QLatin1String(".fb2"), Qt::CaseInsensitive) && !entry.section(u'/', -1).startsWith(u'.') &&
            !entry.startsWith(QLatin1String("__MACOSX/"))) {
            const QString name = path + QStringLiteral(": ") + entry;
            return AddEbook(ReadFb2(archive.Read(index, name), name), chapters, options, book);
        }
    throw EMakeFailure(QStringLiteral("The archive \"%1\" holds no FB2 book").arg(path));
}

}  // namespace making
