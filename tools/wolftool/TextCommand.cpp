// wolftool text: the lines of a text page, in UTF-8.
#include "ToolCommand.h"
#include "ToolSupport.h"

namespace wolftool {
namespace {

int RunText(const QStringList& args)
{
    QCommandLineParser parser;
    DescribeBookCommand(parser, QStringLiteral("Prints the lines of a text page in UTF-8."));
    parser.addPositionalArgument(QStringLiteral("PAGE"), QStringLiteral("A page number from 1."));
    AddEncodingOption(parser);
    if (!ParseCommandLine(parser, args, QStringLiteral("text BOOK PAGE [--encoding NAME]"), 2)) return ExitOk;

    session::TBookSession book;
    book.Open(parser.positionalArguments().at(0), EncodingName(parser));
    const QString pageArgument = parser.positionalArguments().at(1);
    const int index = SelectPage(book, pageArgument);
    const wolf::TWolfPageItem& page = book.Page(index);
    if (page.IsImage())
        throw ECommandFailure(QStringLiteral("Page %1 is a picture, not text (see wolftool render)").arg(pageArgument));
    KnownEncoding(parser, book);  // refuses a name no codec knows

    if (!page.IsText()) FailInvalidPage();
    QStringList lines;
    try {
        lines = book.PageLines(index);
    } catch (const std::exception&) {
        FailInvalidPage();
    }
    QByteArray output;
    for (const QString& line : lines) output += line.toUtf8() + '\n';
    WriteOut(output);
    return ExitOk;
}

const TCommandRegistration Registration{"text", "Print the lines of a text page", RunText};

}  // namespace
}  // namespace wolftool
