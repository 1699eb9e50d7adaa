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
    const wolf::TWolfPageItem& page = SelectPage(book.Reader(), pageArgument);
    if (page.IsImage())
        throw ECommandFailure(QStringLiteral("Page %1 is a picture, not text (see wolftool render)").arg(pageArgument));
    const platform::TBookEncoding& encoding = KnownEncoding(parser, book);

    std::vector<std::string> lines;
    if (!page.IsText()) FailInvalidPage();
    try {
        book.Reader().ReadTextPage(book.Stream(), page, lines);
    } catch (const std::exception&) {
        FailInvalidPage();
    }
    QByteArray output;
    for (const std::string& line : lines) output += encoding.Decode(line).toUtf8() + '\n';
    WriteOut(output);
    return ExitOk;
}

const TCommandRegistration Registration{"text", "Print the lines of a text page", RunText};

}  // namespace
}  // namespace wolftool
