// wolftool describe: changes fields of the book's description.
#include "ToolCommand.h"
#include "ToolSupport.h"

namespace wolftool {
namespace {

int FieldIndex(const QString& key)
{
    for (int i = 0; i < wolf::TWolfDescription::FieldCount; ++i)
        if (key == QLatin1String(DescriptionKeys[i])) return i;
    QStringList known;
    for (const char* name : DescriptionKeys) known << QLatin1String(name);
    throw ECommandFailure(QStringLiteral("Unknown field \"%1\": use one of %2").arg(key, known.join(u", ")));
}

void SetField(wolf::TWolfDescription& description, const QString& assignment, const platform::TBookEncoding& encoding)
{
    const qsizetype equals = assignment.indexOf(u'=');
    if (equals < 0) throw ECommandFailure(QStringLiteral("Bad --set \"%1\": write FIELD=VALUE").arg(assignment));
    const QString key = assignment.left(equals);
    const int index = FieldIndex(key);
    // Lines in a description are separated by CR LF, whatever the shell passed.
    QString value = assignment.mid(equals + 1);
    value.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\n', QLatin1String("\r\n"));
    const std::optional<std::string> bytes = encoding.Encode(value);
    if (!bytes)
        throw ECommandFailure(QStringLiteral("The %1 holds characters that the encoding %2 cannot represent")
                                  .arg(key, QString::fromLatin1(encoding.Name())));
    description.SetField(index, *bytes);
}

int RunDescribe(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Changes fields of the book's description and rewrites the book; the previous book is kept "
                       "as BOOK.bak. Fields are named as in the output of info."));
    parser.addPositionalArgument(QStringLiteral("BOOK"), QStringLiteral("The Wolf book file."));
    parser.addOption({QStringLiteral("set"), QStringLiteral("Sets a field (may be given several times)."),
                      QStringLiteral("FIELD=VALUE")});
    AddEncodingOption(parser);
    if (!ParseCommandLine(parser, args, QStringLiteral("describe BOOK --set FIELD=VALUE [...] [--encoding NAME]"), 1))
        return ExitOk;
    const QStringList assignments = parser.values(QStringLiteral("set"));
    if (assignments.isEmpty()) throw ECommandFailure(QStringLiteral("Nothing to change: give --set FIELD=VALUE"));

    const QString bookPath = parser.positionalArguments().at(0);
    session::TBookSession book;
    book.Open(bookPath, EncodingName(parser));
    const platform::TBookEncoding& encoding = KnownEncoding(parser, book);
    wolf::TWolfDescription description;
    description.Assign(book.Reader().Description);
    for (const QString& assignment : assignments) SetField(description, assignment, encoding);
    book.RewriteDescription(description);
    return ExitOk;
}

const TCommandRegistration Registration{"describe", "Change fields of a book's description", RunDescribe};

}  // namespace
}  // namespace wolftool
