#include "ExtractedBook.h"

#include "PictureDecoding.h"
#include "Sources.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>
#include <map>

namespace making {
namespace {

constexpr auto DescriptionFile = "book.json";

TSourcePage PageFromFile(const QString& path, const QString& suffix)
{
    if (suffix == QLatin1String("png")) return PictureFilePage(path, TPageKind::PreparedPicture);
    if (suffix == QLatin1String("txt")) return {TPageKind::Text, path, {}, {}, QString::fromUtf8(ReadSourceFile(path))};
    return {TPageKind::Text, path, {}, {}, {}};
}

}  // namespace

bool IsExtractedBook(const QString& folder)
{
    return QFileInfo(folder).isDir() && QFileInfo::exists(QDir(folder).filePath(QLatin1String(DescriptionFile)));
}

TExtractedBook ReadExtractedBook(const QString& folder)
{
    const QDir dir(folder);
    TExtractedBook book;
    const QString descriptionPath = dir.filePath(QLatin1String(DescriptionFile));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(ReadSourceFile(descriptionPath), &error);
    if (!document.isObject())
        throw EMakeFailure(QStringLiteral("\"%1\" is not a JSON object: %2").arg(descriptionPath, error.errorString()));
    book.Description = document.object();
    if (dir.exists(QStringLiteral("contents.cat"))) book.ContentsPath = dir.filePath(QStringLiteral("contents.cat"));
    if (dir.exists(QStringLiteral("cover.png"))) book.CoverPath = dir.filePath(QStringLiteral("cover.png"));

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
    for (const auto& [number, file] : files) book.Pages.push_back(PageFromFile(file.first, file.second));
    return book;
}

}  // namespace making
