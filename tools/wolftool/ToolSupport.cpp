#include "ToolSupport.h"

#include "ToolCommand.h"

#include <cstdio>
#include <limits>

namespace wolftool {

void DescribeBookCommand(QCommandLineParser& parser, const QString& description)
{
    parser.setApplicationDescription(description);
    parser.addPositionalArgument(QStringLiteral("BOOK"), QStringLiteral("The Wolf book file."));
}

namespace {

bool ParsePositionalRange(QCommandLineParser& parser, const QStringList& args, const QString& synopsis,
                          qsizetype minimumCount, qsizetype maximumCount)
{
    const QCommandLineOption helpOption = parser.addHelpOption();
    if (!parser.parse(args)) throw ECommandFailure(parser.errorText());
    if (parser.isSet(helpOption)) {
        // Qt's usage line names the executable's path; ours names the command.
        QString help = parser.helpText();
        help.replace(0, help.indexOf(u'\n'), QStringLiteral("Usage: wolftool ") + synopsis);
        WriteOut(help.toUtf8());
        return false;
    }
    const qsizetype count = parser.positionalArguments().size();
    if (count < minimumCount || count > maximumCount)
        throw ECommandFailure(QStringLiteral("Usage: wolftool %1 (see --help)").arg(synopsis));
    return true;
}

}  // namespace

bool ParseCommandLine(QCommandLineParser& parser, const QStringList& args, const QString& synopsis,
                      qsizetype positionalCount)
{
    return ParsePositionalRange(parser, args, synopsis, positionalCount, positionalCount);
}

bool ParseCommandLineAtLeast(QCommandLineParser& parser, const QStringList& args, const QString& synopsis,
                             qsizetype minimumCount)
{
    return ParsePositionalRange(parser, args, synopsis, minimumCount, std::numeric_limits<qsizetype>::max());
}

QJsonObject DescriptionToJson(const wolf::TWolfDescription& description, const platform::TBookEncoding& encoding)
{
    QJsonObject object;
    for (int i = 0; i < wolf::TWolfDescription::FieldCount; ++i)
        object.insert(QLatin1String(DescriptionKeys[i]), encoding.Decode(description.GetField(i)));
    return object;
}

int SelectPage(const session::TBookSession& book, const QString& argument)
{
    if (argument == QLatin1String("cover")) return -1;
    const int count = book.PageCount();
    bool isNumber = false;
    const int number = argument.toInt(&isNumber);
    if (!isNumber) throw ECommandFailure(QStringLiteral("Bad page \"%1\": give cover or a page number").arg(argument));
    if (number < 1 || number > count)
        throw ECommandFailure(
            count == 0 ? QStringLiteral("Page %1 does not exist: the book has no pages").arg(number)
                       : QStringLiteral("Page %1 does not exist: the book has pages 1 to %2").arg(number).arg(count));
    return number - 1;
}

void FailInvalidPage()
{
    throw ECommandFailure(QStringLiteral("This page is not a valid Wolf page"), ExitInvalidPage);
}

void AddEncodingOption(QCommandLineParser& parser)
{
    parser.addOption({QStringLiteral("encoding"),
                      QStringLiteral("Character set of the book's texts (latin1, GB18030, windows-1251, ...); "
                                     "guessed from the book when not given."),
                      QStringLiteral("name"), QString::fromLatin1(platform::TBookEncoding::Automatic)});
}

QByteArray EncodingName(const QCommandLineParser& parser)
{
    return parser.value(QStringLiteral("encoding")).toLatin1();
}

const platform::TBookEncoding& KnownEncoding(const QCommandLineParser& parser, const session::TBookSession& book)
{
    const QByteArray name = EncodingName(parser);
    const platform::TBookEncoding& encoding = book.Encoding();
    // An unknown name falls back to latin1 quietly; a user who typed it wants to know.
    const bool automatic = name.isEmpty() || name.compare(platform::TBookEncoding::Automatic, Qt::CaseInsensitive) == 0;
    if (!automatic && encoding.Name().compare(name, Qt::CaseInsensitive) != 0)
        throw ECommandFailure(QStringLiteral("Unknown encoding \"%1\"").arg(QString::fromLatin1(name)));
    return encoding;
}

void WriteOut(const QByteArray& bytes)
{
    if (std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout) !=
            static_cast<size_t>(bytes.size()) ||
        std::fflush(stdout) != 0)
        throw ECommandFailure(QStringLiteral("Cannot write the output"));
}

}  // namespace wolftool
