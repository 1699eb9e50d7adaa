#include "ArchiveSource.h"

#include "ArchiveReader.h"
#include "ComicInfo.h"
#include "MakeFailure.h"
#include "NaturalOrder.h"
#include "PictureFrames.h"
#include "PictureNames.h"
#include "Sources.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <map>
#include <memory>

namespace making {
namespace {

// Levels of archives, the archive file being the first: real comics use two at most (a
// collection of volumes), and each level holds the one above it in memory while it is read.
constexpr int MaxArchiveDepth = 3;

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

bool IsArchiveName(const QString& entryPath)
{
    return ArchiveSuffixes().contains(QFileInfo(entryPath).suffix().toLower());
}

// One that cannot be unpacked or is too large is no ComicInfo.xml at all: the pictures still
// make a book, and a fault of the archive itself shows when they are read.
std::optional<TComicInfo> ReadComicInfoEntry(TArchiveReader& reader, int index, const QString& label)
{
    try {
        return ReadComicInfo(reader.Read(index, label, MaxComicInfoBytes));
    } catch (const EMakeFailure&) {
        return std::nullopt;
    }
}

// A TIFF is unpacked to count its pages, which all lie in it. One that cannot be unpacked
// counts one: reading its page then says what is wrong, or leaves it out where damaged pictures are.
int EntryFrameCount(TArchiveReader& reader, int index, const QString& label)
{
    QByteArray bytes;
    try {
        bytes = reader.Read(index, label);
    } catch (const EMakeFailure&) {
        return 1;
    }
    return FrameCount(bytes, label);
}

// The pages of one archive, labelled label in messages, and of the archives in it in their
// places. description: where the archive's ComicInfo.xml tells of the book, if it is to.
void AddEntries(const std::shared_ptr<TArchiveReader>& reader, const QString& label, const QStringList& chapters,
                bool rightToLeft, TSourceBook& book, TToldFields* description)
{
    std::map<QString, int> indexOfName;
    std::optional<int> comicInfo;
    for (const auto& [index, entryPath] : reader->List()) {
        if (LeavesArchive(entryPath))
            throw EMakeFailure(QStringLiteral("The archive \"%1\" holds \"%2\", a path outside the archive; "
                                              "it is not used")
                                   .arg(label, entryPath));
        if (IsHidden(entryPath)) continue;
        if (IsComicInfoPath(entryPath))
            comicInfo = index;
        else if (IsPictureName(entryPath) || IsArchiveName(entryPath))
            indexOfName.emplace(entryPath, index);
    }
    if (comicInfo) {
        if (const std::optional<TComicInfo> info =
                ReadComicInfoEntry(*reader, *comicInfo, label + QStringLiteral(": ComicInfo.xml"))) {
            rightToLeft = rightToLeft || info->RightToLeft;
            if (description) *description = info->Description;
        }
    }
    QStringList names;
    for (const auto& entry : indexOfName) names.append(entry.first);
    SortNaturally(names);
    for (const QString& name : names) {
        const int index = indexOfName.at(name);
        QStringList entryChapters = chapters + name.split(u'/', Qt::SkipEmptyParts);
        entryChapters.removeLast();
        const QString entryLabel = label + QStringLiteral(": ") + name;
        if (IsArchiveName(name)) {
            if (reader->Depth() >= MaxArchiveDepth)
                throw EMakeFailure(QStringLiteral("The archive \"%1\" holds \"%2\", an archive nested deeper than "
                                                  "%3 levels; it is not unpacked")
                                       .arg(label, name, QString::number(MaxArchiveDepth)));
            AddEntries(std::make_shared<TArchiveReader>(reader, index, entryLabel), entryLabel,
                       entryChapters << FileTitle(name), rightToLeft, book, nullptr);
            continue;
        }
        TSourcePage page{TPageKind::Picture,
                         entryLabel,
                         entryChapters,
                         [reader, index, entryLabel] { return reader->Read(index, entryLabel); },
                         {}};
        page.RightToLeft = rightToLeft;
        AddFramePages(std::move(page), MayHoldFrames(name) ? EntryFrameCount(*reader, index, entryLabel) : 1,
                      book.Pages);
    }
}

}  // namespace

QStringList ArchiveSuffixes()
{
    return {"cbz", "zip", "cbr", "rar", "cb7", "7z", "cbt", "tar", "gz", "tgz", "bz2", "xz"};
}

void AddArchivePages(const QString& path, const QStringList& chapters, const TMakeOptions&, TSourceBook& book)
{
    const auto reader = std::make_shared<TArchiveReader>(path);
    const size_t before = book.Pages.size();
    AddEntries(reader, path, chapters, false, book, &book.Description);
    // Pages read the inner archives again as they need them.
    reader->ReleaseInnerArchive();
    if (book.Pages.size() == before)
        throw EMakeFailure(QStringLiteral("The archive \"%1\" holds no pictures").arg(path));
}

}  // namespace making
