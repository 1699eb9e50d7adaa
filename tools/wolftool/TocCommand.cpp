// wolftool toc: the table of contents to and from a catalog text file.
#include "FileSystemPath.h"
#include "ToolCommand.h"
#include "ToolSupport.h"
#include "uCatalogText.h"

namespace wolftool {
namespace {

void ExportTOC(const QString& bookPath, const QString& catalogPath)
{
    session::TBookSession book;
    book.Open(bookPath);
    wolf::TWolfTOCList toc = book.Reader().TOC;  // sorted on the way out
    std::vector<std::string> lines;
    TOCToCatalogText(toc, lines);
    wolf::WriteCatalogFile(platform::FileSystemPath(catalogPath), lines);
}

void ImportTOC(const QString& bookPath, const QString& catalogPath)
{
    wolf::TWolfTOCList toc;
    wolf::CatalogTextToTOC(wolf::ReadCatalogFile(platform::FileSystemPath(catalogPath)), toc);
    session::TBookSession book;
    book.Open(bookPath);
    book.RewriteTOC(toc);
}

int RunToc(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Exports the book's table of contents as catalog text (one entry a line, tabs for depth, "
                       "\"... ...\" before the page number), or replaces it with one read from such a file. "
                       "An import keeps the previous book as BOOK.bak."));
    parser.addPositionalArgument(QStringLiteral("ACTION"), QStringLiteral("export or import."));
    parser.addPositionalArgument(QStringLiteral("BOOK"), QStringLiteral("The Wolf book file."));
    parser.addPositionalArgument(QStringLiteral("CATALOG"), QStringLiteral("The catalog text file (.cat)."));
    if (!ParseCommandLine(parser, args, QStringLiteral("toc export|import BOOK CATALOG"), 3)) return ExitOk;

    const QStringList positional = parser.positionalArguments();
    if (positional[0] == QLatin1String("export"))
        ExportTOC(positional[1], positional[2]);
    else if (positional[0] == QLatin1String("import"))
        ImportTOC(positional[1], positional[2]);
    else
        throw ECommandFailure(QStringLiteral("Unknown action \"%1\": use export or import").arg(positional[0]));
    return ExitOk;
}

const TCommandRegistration Registration{"toc", "Export or import the table of contents as catalog text", RunToc};

}  // namespace
}  // namespace wolftool
