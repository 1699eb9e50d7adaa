// wolftool make: a book from pictures, folders, comic archives, PDFs, text files or a book
// unpacked by extract.
#include "BookPlan.h"
#include "ConversionJob.h"
#include "MakeFailure.h"
#include "OptionDeclarations.h"
#include "ProgressBar.h"
#include "SourceKinds.h"
#include "ToolCommand.h"
#include "ToolSupport.h"

#include <atomic>
#include <csignal>
#include <cstdio>

namespace wolftool {
namespace {

std::atomic_bool StopRequested{false};

extern "C" void RequestStop(int)
{
    StopRequested = true;
}

// Ctrl+C (or a polite kill) lets the job stop between pages and remove its unfinished book.
class TStopOnInterrupt {
public:
    TStopOnInterrupt()
    {
        StopRequested = false;
        FPreviousInt = std::signal(SIGINT, RequestStop);
        FPreviousTerm = std::signal(SIGTERM, RequestStop);
    }
    ~TStopOnInterrupt()
    {
        std::signal(SIGINT, FPreviousInt);
        std::signal(SIGTERM, FPreviousTerm);
    }

private:
    void (*FPreviousInt)(int);
    void (*FPreviousTerm)(int);
};

QString OptionName(const char* descriptionKey)
{
    return QString::fromLatin1(descriptionKey).replace(u'_', u'-');
}

bool IsBareFlag(const making::TOptionDeclaration& option)
{
    return option.Kind == making::TOptionKind::Switch && option.Choices.empty();
}

void AddOptions(QCommandLineParser& parser)
{
    for (const making::TOptionDeclaration& option : making::OptionDeclarations()) {
        const QString name = QLatin1String(option.Name);
        if (IsBareFlag(option))
            parser.addOption({name, making::OptionHelp(option)});
        else
            parser.addOption({name, making::OptionHelp(option), QLatin1String(option.ValueName)});
    }
    parser.addOptions({
        {QStringLiteral("cover"), QStringLiteral("The cover picture; default: a copy of the first picture."),
         QStringLiteral("IMAGE")},
        {QStringLiteral("toc"),
         QStringLiteral("The table of contents as catalog text (UTF-8); default: one chapter per folder."),
         QStringLiteral("FILE.cat")},
        {QStringLiteral("encoding"),
         QStringLiteral("Character set the book's own texts are written in (default UTF-8); text files "
                        "are read by --input-encoding."),
         QStringLiteral("name"), QStringLiteral("UTF-8")},
        {QStringLiteral("force"), QStringLiteral("Replace OUT.wol if it exists.")},
        {QStringLiteral("quiet"), QStringLiteral("No progress bar.")},
    });
    for (const char* key : making::DescriptionKeys)
        parser.addOption(
            {OptionName(key),
             QStringLiteral("The book's %1 (description field).").arg(QString::fromLatin1(key).replace(u'_', u' ')),
             QStringLiteral("text")});
}

making::TMakeOptions MakeOptions(const QCommandLineParser& parser)
{
    making::TMakeOptions options;
    for (const making::TOptionDeclaration& option : making::OptionDeclarations()) {
        const QString name = QLatin1String(option.Name);
        if (!parser.isSet(name)) continue;
        if (option.Excludes && parser.isSet(QLatin1String(option.Excludes)))
            throw ECommandFailure(QStringLiteral("--%1 and --%2 say opposite things; give one of them")
                                      .arg(name, QLatin1String(option.Excludes)));
        if (IsBareFlag(option)) {
            option.Set(options, !option.Negated);
            continue;
        }
        const std::optional<QVariant> value = making::ParseOptionValue(option, parser.value(name));
        if (!value)
            throw ECommandFailure(
                QStringLiteral("Bad --%1 \"%2\": %3").arg(name, parser.value(name), making::OptionValuesText(option)));
        option.Set(options, *value);
    }
    return options;
}

platform::TBookEncoding OutputEncoding(const QCommandLineParser& parser)
{
    const QByteArray name = parser.value(QStringLiteral("encoding")).toLatin1();
    platform::TBookEncoding encoding(name);
    if (encoding.Name().compare(name, Qt::CaseInsensitive) != 0)
        throw ECommandFailure(QStringLiteral("Unknown encoding \"%1\"").arg(QString::fromLatin1(name)));
    return encoding;
}

making::TPlanRequest PlanRequest(const QCommandLineParser& parser)
{
    const QStringList positional = parser.positionalArguments();
    making::TPlanRequest request;
    request.OutputPath = positional.at(0);
    request.Sources = positional.mid(1);
    request.ReplaceExisting = parser.isSet(QStringLiteral("force"));
    request.Options = MakeOptions(parser);
    request.Encoding = OutputEncoding(parser);
    request.CoverPath = parser.value(QStringLiteral("cover"));
    request.ContentsPath = parser.value(QStringLiteral("toc"));
    for (size_t i = 0; i < request.Description.size(); ++i)
        if (parser.isSet(OptionName(making::DescriptionKeys[i])))
            request.Description[i] = parser.value(OptionName(making::DescriptionKeys[i]));
    return request;
}

int RunMake(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Makes a book from %1. The book appears only once it is complete.")
                                         .arg(making::SourceKindsText()));
    parser.addPositionalArgument(QStringLiteral("OUT.wol"), QStringLiteral("The book to write."));
    parser.addPositionalArgument(QStringLiteral("SOURCE"),
                                 QStringLiteral("Pictures, folders, archives, PDFs, e-books (EPUB, FB2), text files."),
                                 QStringLiteral("SOURCE..."));
    AddOptions(parser);
    if (!ParseCommandLineAtLeast(parser, args, QStringLiteral("make OUT.wol SOURCE... [options]"), 2)) return ExitOk;

    making::TMakeResult result;
    try {
        const making::TBookPlan plan = making::MakePlan(PlanRequest(parser));
        const TStopOnInterrupt stopOnInterrupt;
        TProgressBar bar(stderr, parser.isSet(QStringLiteral("quiet")));
        result = making::MakeBook(
            plan, [&bar](int done, int total) { bar.Show(done, total); }, StopRequested);
    } catch (const making::EBadPicture& bad) {
        throw ECommandFailure(QStringLiteral("%1; give --skip-bad to leave out the pictures that cannot be read")
                                  .arg(QString::fromUtf8(bad.what())));
    } catch (const making::ENeedsPassword& locked) {
        const QString message = QString::fromUtf8(locked.what());
        throw ECommandFailure(locked.PasswordGiven ? message : message + QStringLiteral("; give it with --password"));
    } catch (const making::EOutputExists& exists) {
        throw ECommandFailure(QStringLiteral("%1; give --force to replace it").arg(QString::fromUtf8(exists.what())));
    } catch (const making::EUnrecognisedEncoding& unrecognised) {
        throw ECommandFailure(
            QStringLiteral("%1; name it with --input-encoding").arg(QString::fromUtf8(unrecognised.what())));
    } catch (const making::EMakeFailure& failure) {
        throw ECommandFailure(QString::fromUtf8(failure.what()));
    }
    // The book is what was asked for: left out as --skip-bad says, and each one named.
    if (!result.LeftOut.isEmpty()) {
        std::fprintf(stderr, "%lld pictures that cannot be read were left out:\n",
                     static_cast<long long>(result.LeftOut.size()));
        for (const QString& leftOut : result.LeftOut) std::fprintf(stderr, "  %s\n", qPrintable(leftOut));
    }
    return ExitOk;
}

const TCommandRegistration Registration{
    "make", "Make a book from pictures, folders, comic archives, PDFs, e-books or text", RunMake};

}  // namespace
}  // namespace wolftool
