// wolftool make: a book from pictures, folders, comic archives, text files or a book
// unpacked by extract.
#include "CatalogContents.h"
#include "ConversionJob.h"
#include "ExtractedBook.h"
#include "PdfSource.h"
#include "PictureDecoding.h"
#include "ProgressBar.h"
#include "ScreenProfiles.h"
#include "Sources.h"
#include "ToolCommand.h"
#include "ToolSupport.h"

#include <QFileInfo>
#include <QJsonValue>
#include <atomic>
#include <csignal>

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

template <typename T>
T Choice(const QCommandLineParser& parser, const QString& option, const std::vector<std::pair<const char*, T>>& choices)
{
    const QString value = parser.value(option);
    QStringList names;
    for (const auto& [name, choice] : choices) {
        if (value == QLatin1String(name)) return choice;
        names << QLatin1String(name);
    }
    throw ECommandFailure(QStringLiteral("Bad --%1 \"%2\": use %3").arg(option, value, names.join(u'|')));
}

QString OptionName(const char* descriptionKey)
{
    return QString::fromLatin1(descriptionKey).replace(u'_', u'-');
}

void AddOptions(QCommandLineParser& parser)
{
    QStringList profiles;
    for (const making::TScreenProfile& profile : making::ScreenProfiles())
        profiles << QStringLiteral("%1 (%2x%3)")
                        .arg(QLatin1String(profile.Name))
                        .arg(profile.Size.width())
                        .arg(profile.Size.height());
    parser.addOptions({
        {QStringLiteral("size"),
         QStringLiteral("The screen: WIDTHxHEIGHT or a profile: %1. Default 600x800.").arg(profiles.join(u", ")),
         QStringLiteral("size"), QStringLiteral("600x800")},
        {QStringLiteral("stretch"), QStringLiteral("Fill the screen, ignoring the pictures' aspect ratio.")},
        {QStringLiteral("upscale"), QStringLiteral("Enlarge pictures smaller than the screen.")},
        {QStringLiteral("crop"), QStringLiteral("none, or margins: cut blank margins (specks and page numbers apart)."),
         QStringLiteral("none|margins"), QStringLiteral("none")},
        {QStringLiteral("spread"),
         QStringLiteral("Landscape pictures: split into halves (default), rotate, both, keep."), QStringLiteral("mode"),
         QStringLiteral("split")},
        {QStringLiteral("rtl"), QStringLiteral("Read right to left: split halves right first.")},
        {QStringLiteral("gamma"), QStringLiteral("Above 1 darkens the mid-tones (default 1)."), QStringLiteral("g"),
         QStringLiteral("1")},
        {QStringLiteral("no-autocontrast"),
         QStringLiteral("Keep the pictures' levels instead of stretching them to black and white.")},
        {QStringLiteral("bits"), QStringLiteral("2: four grey levels (default); 1: black and white."),
         QStringLiteral("1|2"), QStringLiteral("2")},
        {QStringLiteral("dither"), QStringLiteral("floyd-steinberg (default), ordered or threshold."),
         QStringLiteral("method"), QStringLiteral("floyd-steinberg")},
        {QStringLiteral("cover"), QStringLiteral("The cover picture; default: a copy of the first picture."),
         QStringLiteral("IMAGE")},
        {QStringLiteral("toc"),
         QStringLiteral("The table of contents as catalog text (UTF-8); default: one chapter per folder."),
         QStringLiteral("FILE.cat")},
        {QStringLiteral("encoding"), QStringLiteral("Character set of the book's texts (default UTF-8)."),
         QStringLiteral("name"), QStringLiteral("UTF-8")},
        {QStringLiteral("pages"),
         QStringLiteral("The pages of each PDF to take, as 3-120, 7, 3- or -120 (default all)."),
         QStringLiteral("range")},
        {QStringLiteral("force"), QStringLiteral("Replace OUT.wol if it exists.")},
        {QStringLiteral("quiet"), QStringLiteral("No progress bar.")},
    });
    for (const char* key : DescriptionKeys)
        parser.addOption(
            {OptionName(key),
             QStringLiteral("The book's %1 (description field).").arg(QString::fromLatin1(key).replace(u'_', u' ')),
             QStringLiteral("text")});
}

making::TProcessOptions ProcessOptions(const QCommandLineParser& parser)
{
    using namespace making;
    TProcessOptions options;
    const std::optional<QSize> screen = ParseScreenSize(parser.value(QStringLiteral("size")));
    if (!screen)
        throw ECommandFailure(QStringLiteral("Bad --size \"%1\": give WIDTHxHEIGHT (16 to 4096 each) or a profile name")
                                  .arg(parser.value(QStringLiteral("size"))));
    options.Screen = *screen;
    options.Stretch = parser.isSet(QStringLiteral("stretch"));
    options.Upscale = parser.isSet(QStringLiteral("upscale"));
    options.CropMargins = Choice<bool>(parser, QStringLiteral("crop"), {{"none", false}, {"margins", true}});
    options.Spread = Choice<TSpreadMode>(parser, QStringLiteral("spread"),
                                         {{"split", TSpreadMode::Split},
                                          {"rotate", TSpreadMode::Rotate},
                                          {"both", TSpreadMode::Both},
                                          {"keep", TSpreadMode::Keep}});
    options.RightToLeft = parser.isSet(QStringLiteral("rtl"));
    bool isNumber = false;
    options.Gamma = parser.value(QStringLiteral("gamma")).toDouble(&isNumber);
    if (!isNumber || !(options.Gamma >= 0.1 && options.Gamma <= 10))
        throw ECommandFailure(QStringLiteral("Bad --gamma \"%1\": give a number from 0.1 to 10")
                                  .arg(parser.value(QStringLiteral("gamma"))));
    options.AutoContrast = !parser.isSet(QStringLiteral("no-autocontrast"));
    options.Bits = Choice<int>(parser, QStringLiteral("bits"), {{"1", 1}, {"2", 2}});
    options.Dither = Choice<TDitherMethod>(parser, QStringLiteral("dither"),
                                           {{"floyd-steinberg", TDitherMethod::FloydSteinberg},
                                            {"ordered", TDitherMethod::Ordered},
                                            {"threshold", TDitherMethod::Threshold}});
    return options;
}

platform::TBookEncoding OutputEncoding(const QCommandLineParser& parser)
{
    const QByteArray name = parser.value(QStringLiteral("encoding")).toLatin1();
    const platform::TBookEncoding encoding(name);
    if (encoding.Name().compare(name, Qt::CaseInsensitive) != 0)
        throw ECommandFailure(QStringLiteral("Unknown encoding \"%1\"").arg(QString::fromLatin1(name)));
    return encoding;
}

// Description fields: the command line first, then book.json of an unpacked book or a PDF's
// document information, and the title falls back on the first source's name.
void FillDescription(making::TBookPlan& plan, const QCommandLineParser& parser, const QJsonObject& stored,
                     const QString& defaultTitle)
{
    for (int i = 0; i < wolf::TWolfDescription::FieldCount; ++i) {
        const QString key = QLatin1String(DescriptionKeys[i]);
        QString value = stored.value(key).toString();
        if (parser.isSet(OptionName(DescriptionKeys[i]))) {
            // Lines in a description are separated by CR LF, whatever the shell passed.
            value = parser.value(OptionName(DescriptionKeys[i]));
            value.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\n', QLatin1String("\r\n"));
        } else if (i == 0 && !stored.contains(key)) {
            value = defaultTitle;
        }
        plan.Description.SetField(i, making::EncodeOrFail(plan, value, QStringLiteral("the %1").arg(key)));
    }
}

making::TPageRange PdfPages(const QCommandLineParser& parser)
{
    if (!parser.isSet(QStringLiteral("pages"))) return {};
    const std::optional<making::TPageRange> range = making::ParsePageRange(parser.value(QStringLiteral("pages")));
    if (!range)
        throw ECommandFailure(QStringLiteral("Bad --pages \"%1\": give FIRST-LAST, counted from 1")
                                  .arg(parser.value(QStringLiteral("pages"))));
    return *range;
}

// A PDF's document information, where it has any, in place of a stored description.
QJsonObject PdfDescription(const QString& path)
{
    const making::TPdfDescription pdf = making::ReadPdfDescription(path);
    QJsonObject description;
    for (const auto& [key, value] : {std::pair{"title", pdf.Title}, {"author", pdf.Author}, {"subject", pdf.Subject}})
        if (!value.isEmpty()) description.insert(QLatin1String(key), value);
    return description;
}

making::TSourcePage CoverPage(const QString& path, making::TPageKind kind)
{
    if (!QFileInfo(path).isFile()) throw ECommandFailure(QStringLiteral("Cannot open the cover \"%1\"").arg(path));
    return making::PictureFilePage(path, kind);
}

making::TBookPlan MakePlan(const QCommandLineParser& parser)
{
    const QStringList positional = parser.positionalArguments();
    const QStringList sources = positional.mid(1);
    making::TBookPlan plan;
    plan.OutputPath = positional.at(0);
    plan.ReplaceExisting = parser.isSet(QStringLiteral("force"));
    plan.Options = ProcessOptions(parser);
    const platform::TBookEncoding encoding = OutputEncoding(parser);
    plan.EncodingName = QString::fromLatin1(encoding.Name());
    plan.Encode = [encoding](const QString& text) { return encoding.Encode(text); };

    QJsonObject storedDescription;
    QString contentsPath = parser.value(QStringLiteral("toc"));
    if (sources.size() == 1 && making::IsExtractedBook(sources.front())) {
        making::TExtractedBook book = making::ReadExtractedBook(sources.front());
        plan.Pages = std::move(book.Pages);
        storedDescription = book.Description;
        if (contentsPath.isEmpty()) contentsPath = book.ContentsPath;
        plan.CoverFromFirstPicture = false;
        if (!book.CoverPath.isEmpty()) plan.Cover = CoverPage(book.CoverPath, making::TPageKind::PreparedPicture);
        // An unpacked book without contents stays without; its folder is no chapter.
        if (contentsPath.isEmpty()) plan.Contents = wolf::TWolfTOCList();
    } else {
        plan.Pages = making::CollectPages(sources, plan.Options.Screen, PdfPages(parser));
        if (making::IsPdfName(sources.front())) storedDescription = PdfDescription(sources.front());
    }
    if (parser.isSet(QStringLiteral("cover")))
        plan.Cover = CoverPage(parser.value(QStringLiteral("cover")), making::TPageKind::Picture);
    if (!contentsPath.isEmpty()) plan.Contents = making::ReadCatalogContents(plan, contentsPath);
    FillDescription(plan, parser, storedDescription, making::SourceTitle(sources.front()));
    return plan;
}

int RunMake(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Makes a book from pictures (PNG, JPEG, BMP, GIF, TIFF, WebP), folders of them (sub-folders become "
        "chapters), comic archives (CBZ, CBR, CB7, TAR), PDFs and UTF-8 text files, or from a folder written by "
        "extract. The book appears only once it is complete."));
    parser.addPositionalArgument(QStringLiteral("OUT.wol"), QStringLiteral("The book to write."));
    parser.addPositionalArgument(QStringLiteral("SOURCE"),
                                 QStringLiteral("Pictures, folders, archives, PDFs, text files."),
                                 QStringLiteral("SOURCE..."));
    AddOptions(parser);
    if (!ParseCommandLineAtLeast(parser, args, QStringLiteral("make OUT.wol SOURCE... [options]"), 2)) return ExitOk;

    try {
        const making::TBookPlan plan = MakePlan(parser);
        const TStopOnInterrupt stopOnInterrupt;
        TProgressBar bar(stderr, parser.isSet(QStringLiteral("quiet")));
        making::MakeBook(
            plan, [&bar](int done, int total) { bar.Show(done, total); }, StopRequested);
    } catch (const making::EMakeFailure& failure) {
        throw ECommandFailure(QString::fromUtf8(failure.what()));
    } catch (const wolf::EWolf& error) {
        // A catalog file's faults, for instance: no book is malformed here.
        throw ECommandFailure(QString::fromUtf8(error.what()));
    }
    return ExitOk;
}

const TCommandRegistration Registration{"make", "Make a book from pictures, folders, comic archives, PDFs or text",
                                        RunMake};

}  // namespace
}  // namespace wolftool
