#include "ArchiveSource.h"

#include "ArchiveReader.h"
#include "MakeFailure.h"
#include "NaturalOrder.h"
#include "PictureNames.h"
#include "SourceFiles.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <map>
#include <memory>

namespace making {
namespace {

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
