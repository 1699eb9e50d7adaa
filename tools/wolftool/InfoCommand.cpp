// wolftool info: the book's model after opening, as one JSON object.
#include "ToolCommand.h"
#include "ToolSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

namespace wolftool {
namespace {

QString PageKind(const wolf::TWolfPageItem& page)
{
    if (page.IsText()) return QStringLiteral("text");
    if (page.IsImage()) return QStringLiteral("image");
    return QStringLiteral("invalid");
}

QJsonObject PageToJson(const wolf::TWolfPageItem& page)
{
    return QJsonObject{
        {QStringLiteral("kind"), PageKind(page)},
        {QStringLiteral("offset"), static_cast<double>(page.Offset)},
        {QStringLiteral("data_offset"), static_cast<double>(page.DataOffset)},
        {QStringLiteral("data_length"), static_cast<double>(page.DataLength)},
        {QStringLiteral("width"), page.Width},
        {QStringLiteral("height"), page.Height},
        {QStringLiteral("bitcount"), page.BitCount},
        {QStringLiteral("compact"), page.Compact},
    };
}

QJsonArray TocToJson(const wolf::TWolfTOCList& toc, const platform::TBookEncoding& encoding)
{
    QJsonArray entries;
    for (int i = 0; i < toc.Count(); ++i) {
        const wolf::TWolfTOCItem& item = toc[i];
        entries.append(QJsonObject{
            {QStringLiteral("key"), QJsonArray{item.GetNumber(1), item.GetNumber(2), item.GetNumber(3)}},
            {QStringLiteral("level"), item.Level()},
            {QStringLiteral("title"), encoding.Decode(item.Title())},
            {QStringLiteral("page"), item.PageIndex},
        });
    }
    return entries;
}

int RunInfo(const QStringList& args)
{
    QCommandLineParser parser;
    DescribeBookCommand(parser, QStringLiteral("Prints the book's header, description, pages and "
                                               "table of contents as one JSON object."));
    AddEncodingOption(parser);
    if (!ParseCommandLine(parser, args, QStringLiteral("info BOOK [--encoding NAME]"), 1)) return ExitOk;

    session::TBookSession book;
    book.Open(parser.positionalArguments().at(0), EncodingName(parser));
    const wolf::TWolfReader& reader = book.Reader();
    const platform::TBookEncoding& encoding = KnownEncoding(parser, book);

    QJsonArray pages;
    for (int i = 0; i < reader.Pages.Count(); ++i) pages.append(PageToJson(reader.Pages[i]));
    // The signature may fill its 15 bytes without a closing zero byte.
    const char* magic = reinterpret_cast<const char*>(reader.Header.data());
    const QByteArray signature(magic, qsizetype(qstrnlen(magic, wolf::header::MagicLength)));

    const QJsonObject info{
        {QStringLiteral("signature"), QString::fromLatin1(signature)},
        {QStringLiteral("description"), DescriptionToJson(reader.Description, encoding)},
        {QStringLiteral("description_size"), reader.Description.Size},
        {QStringLiteral("cover"), reader.HasCover() ? QJsonValue(PageToJson(reader.Cover)) : QJsonValue()},
        {QStringLiteral("pages"), pages},
        {QStringLiteral("toc_source"),
         book.FromSubcatalog() ? QStringLiteral("subcatalog") : QStringLiteral("catalog")},
        {QStringLiteral("toc"), TocToJson(reader.TOC, encoding)},
    };
    WriteOut(QJsonDocument(info).toJson(QJsonDocument::Indented));
    return ExitOk;
}

const TCommandRegistration Registration{"info", "Print a book's description, pages and contents as JSON", RunInfo};

}  // namespace
}  // namespace wolftool
