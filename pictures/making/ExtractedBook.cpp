#include "ExtractedBook.h"

#include "MakeFailure.h"
#include "SourceFiles.h"
#include "Sources.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <map>

namespace making {
namespace {

constexpr auto DescriptionFile = "book.json";

TSourcePage PageFromFile(const QString& path, const QString& suffix, const QStringList& chapters)
{
    if (suffix == QLatin1String("png")) return PictureFilePage(path, TPageKind::PreparedPicture, chapters);
    const QString text = suffix == QLatin1String("txt") ? QString::fromUtf8(ReadSourceFile(path)) : QString();
    return {TPageKind::Text, path, chapters, {}, text};
}

}  // namespace

const char* const DescriptionKeys[wolf::TWolfDescription::FieldCount] = {
    "title", "subject", "author", "adapter", "translator", "publisher", "publish_time", "introduction", "isbn"};

bool IsExtractedBook(const QString& folder)
{
    return QFileInfo(folder).isDir() && QFileInfo::exists(QDir(folder).filePath(QLatin1String(DescriptionFile)));
}

void AddExtractedBookPages(const QString& folder, const QStringList& chapters, const TMakeOptions&, TSourceBook& book)
{
    const QDir dir(folder);
    const QString descriptionPath = dir.filePath(QLatin1String(DescriptionFile));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(ReadSourceFile(descriptionPath), &error);
    if (!document.isObject())
        throw EMakeFailure(QStringLiteral("\"%1\" is not a JSON object: %2").arg(descriptionPath, error.errorString()));
    for (int i = 0; i < wolf::TWolfDescription::FieldCount; ++i)
        if (document.object().contains(QLatin1String(DescriptionKeys[i])))
            book.Description[static_cast<size_t>(i)] =
                document.object().value(QLatin1String(DescriptionKeys[i])).toString();
    // Without contents.cat the book had none, and its folder is no chapter.
    book.ContentsFile =
        dir.exists(QStringLiteral("contents.cat")) ? dir.filePath(QStringLiteral("contents.cat")) : QString();
    book.CoverFromFirstPicture = false;
    if (dir.exists(QStringLiteral("cover.png")))
        book.Cover = PictureFilePage(dir.filePath(QStringLiteral("cover.png")), TPageKind::PreparedPicture);

    static const QRegularExpression pageName(QStringLiteral("^(\\d{4,})\\.(png|txt|invalid)$"));
    std::map<qulonglong, std::pair<QString, QString>> files;  // number -> path, suffix
    for (const QString& name : dir.entryList(QDir::Files)) {
        const QRegularExpressionMatch match = pageName.match(name);
        if (match.hasMatch())
            files.emplace(match.captured(1).toULongLong(), std::pair{dir.filePath(name), match.captured(2)});
    }
    if (files.empty())
        throw EMakeFailure(
            QStringLiteral("The book folder \"%1\" holds no pages (0001.png, 0002.txt, ...)").arg(folder));
    for (const auto& [number, file] : files) book.Pages.push_back(PageFromFile(file.first, file.second, chapters));
}

}  // namespace making
