// wolftool extract: every page, the cover, the description and the table of contents as
// files in a folder, from which wolftool make gives the same book back.
#include "FileSystemPath.h"
#include "PagePicture.h"
#include "ToolCommand.h"
#include "ToolSupport.h"
#include "uCatalogText.h"

#include <QDir>
#include <QJsonDocument>
#include <QSaveFile>
#include <optional>

namespace wolftool {
namespace {

void WriteFile(const QString& path, const QByteArray& bytes)
{
    // Written aside and renamed into place, so that a failure leaves no half file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw ECommandFailure(QStringLiteral("Cannot write \"%1\". %2").arg(path, file.errorString()));
}

void WritePicture(const QString& path, const QImage& picture)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit())
        throw ECommandFailure(QStringLiteral("Cannot write the picture \"%1\". %2").arg(path, file.errorString()));
}

// An empty folder, made when missing: pages left from another book would mix with these.
QDir PrepareFolder(const QString& path)
{
    QDir folder(path);
    if (!folder.exists() && !QDir().mkpath(path))
        throw ECommandFailure(QStringLiteral("Cannot make the folder \"%1\"").arg(path));
    if (!folder.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        throw ECommandFailure(QStringLiteral("The folder \"%1\" is not empty").arg(path));
    return folder;
}

std::optional<QImage> DecodePicture(session::TBookSession& book, int index)
{
    if (!book.Page(index).IsImage()) return std::nullopt;
    try {
        const QImage picture = pagepicture::ToQImage(book.PagePicture(index));
        if (!picture.isNull()) return picture;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

std::optional<QByteArray> ReadText(session::TBookSession& book, int index)
{
    try {
        return book.PageLines(index).join(u'\n').toUtf8();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// Writes one page under base + ".png" or ".txt"; returns false when it cannot be shown.
bool ExtractPage(session::TBookSession& book, int index, const QString& base)
{
    if (book.Page(index).IsText()) {
        if (const auto text = ReadText(book, index)) {
            WriteFile(base + QStringLiteral(".txt"), *text);
            return true;
        }
    } else if (const auto picture = DecodePicture(book, index)) {
        WritePicture(base + QStringLiteral(".png"), *picture);
        return true;
    }
    WriteFile(base + QStringLiteral(".invalid"), {});
    return false;
}

void WriteContents(session::TBookSession& book, const platform::TBookEncoding& encoding, const QString& path)
{
    wolf::TWolfTOCList toc = book.Reader().TOC;
    std::vector<std::string> lines;
    TOCToCatalogText(toc, lines);
    for (std::string& line : lines) line = encoding.Decode(line).toStdString();
    wolf::WriteCatalogFile(platform::FileSystemPath(path), lines);
}

int RunExtract(const QStringList& args)
{
    QCommandLineParser parser;
    DescribeBookCommand(
        parser,
        QStringLiteral("Writes every page into DIR (0001.png, 0002.txt, ...: pictures as 8-bit grey PNGs, text pages "
                       "in UTF-8), the cover as cover.png, the description as book.json and the table of contents "
                       "as contents.cat. A page that cannot be shown becomes NNNN.invalid, and the exit code is 3."));
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("An empty or new folder."));
    AddEncodingOption(parser);
    if (!ParseCommandLine(parser, args, QStringLiteral("extract BOOK DIR [--encoding NAME]"), 2)) return ExitOk;

    session::TBookSession book;
    book.Open(parser.positionalArguments().at(0), EncodingName(parser));
    const platform::TBookEncoding& encoding = KnownEncoding(parser, book);
    const QDir folder = PrepareFolder(parser.positionalArguments().at(1));
    const wolf::TWolfReader& reader = book.Reader();

    WriteFile(folder.filePath(QStringLiteral("book.json")),
              QJsonDocument(DescriptionToJson(reader.Description, encoding)).toJson(QJsonDocument::Indented));
    WriteContents(book, encoding, folder.filePath(QStringLiteral("contents.cat")));
    QStringList invalid;
    if (reader.HasCover() && !ExtractPage(book, -1, folder.filePath(QStringLiteral("cover"))))
        invalid << QStringLiteral("the cover");
    const int digits = std::max<int>(4, static_cast<int>(QString::number(reader.Pages.Count()).size()));
    for (int i = 0; i < reader.Pages.Count(); ++i) {
        const QString number = QStringLiteral("%1").arg(i + 1, digits, 10, QLatin1Char('0'));
        if (!ExtractPage(book, i, folder.filePath(number))) invalid << QStringLiteral("page %1").arg(i + 1);
    }
    if (!invalid.isEmpty()) {
        constexpr qsizetype Named = 5;
        QString named = invalid.mid(0, Named).join(QStringLiteral(", "));
        if (invalid.size() > Named) named += QStringLiteral(" and %1 more").arg(invalid.size() - Named);
        throw ECommandFailure(QStringLiteral("Not a valid Wolf page, written as an empty .invalid file: %1").arg(named),
                              ExitInvalidPage);
    }
    return ExitOk;
}

const TCommandRegistration Registration{
    "extract", "Write every page, the cover, description and contents into a folder", RunExtract};

}  // namespace
}  // namespace wolftool
