#include "OptionDeclarations.h"

#include "IniFile.h"
#include "ScreenProfiles.h"
#include "TextDecoding.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <type_traits>

namespace making {
namespace {

// Get and Set of a field of the picture options, or of one held as a Choice's index.
template <class TField>
auto Get(TField TProcessOptions::*field)
{
    return [field](const TMakeOptions& o) {
        if constexpr (std::is_enum_v<TField>)
            return QVariant(static_cast<int>(o.Pictures.*field));
        else
            return QVariant::fromValue(o.Pictures.*field);
    };
}

template <class TField>
auto Set(TField TProcessOptions::*field)
{
    return [field](TMakeOptions& o, const QVariant& v) {
        if constexpr (std::is_enum_v<TField>)
            o.Pictures.*field = static_cast<TField>(v.toInt());
        else
            o.Pictures.*field = v.value<TField>();
    };
}

std::vector<TOptionDeclaration> Declarations()
{
    using K = TOptionKind;
    using P = TOptionPage;
    return {
        {.Kind = K::Screen,
         .Name = "size",
         .Help = "The screen: WIDTHxHEIGHT or a profile: %1.",
         .ValueName = "size",
         .SettingsKey = "Screen",
         .Page = P::Pages,
         .Label = QT_TRANSLATE_NOOP("MakeOption", "Screen:"),
         .ToolTip = QT_TRANSLATE_NOOP("MakeOption", "The reading device's screen: pages are made at its size."),
         .Get = Get(&TProcessOptions::Screen),
         .Set = Set(&TProcessOptions::Screen),
         .ChangesSources = true},  // a text page holds what the screen shows
        {.Kind = K::Switch,
         .Name = "crop",
         .Help = "none, or margins: cut blank margins (specks and page numbers apart).",
         .ValueName = "none|margins",
         .SettingsKey = "CropMargins",
         .Page = P::Pages,
         .Label = QT_TRANSLATE_NOOP("MakeOption", "Crop blank margins"),
         .ToolTip = QT_TRANSLATE_NOOP("MakeOption",
                                      "Cuts white margins, ignoring specks and page numbers, so the text is larger."),
         .Get = Get(&TProcessOptions::CropMargins),
         .Set = Set(&TProcessOptions::CropMargins),
         .Choices = {{"none", nullptr, 0}, {"margins", nullptr, 1}}},
        {.Kind = K::Choice,
         .Name = "spread",
         .Help = "Landscape pictures: split into halves, rotate, both or keep.",
         .ValueName = "mode",
         .SettingsKey = "Spread",
         .Page = P::Pages,
         .Label = QT_TRANSLATE_NOOP("MakeOption", "Landscape pages:"),
         .ToolTip = QT_TRANSLATE_NOOP("MakeOption", "What becomes of a landscape page, usually two facing pages."),
         .Get = Get(&TProcessOptions::Spread),
         .Set = Set(&TProcessOptions::Spread),
         .Choices = {{"split", QT_TRANSLATE_NOOP("MakeOption", "Split into two pages"), 0},
                     {"rotate", QT_TRANSLATE_NOOP("MakeOption", "Turn a quarter"), 1},
                     {"both", QT_TRANSLATE_NOOP("MakeOption", "Both"), 2},
                     {"keep", QT_TRANSLATE_NOOP("MakeOption", "Keep as it is"), 3}}},
        {.Kind = K::Choice,
         .Name = "strips",
         .Help = "Pictures more than twice as tall as the screen (webtoons): split into pages of the screen's "
                 "shape at the white gaps between panels, or fit each whole on one page.",
         .ValueName = "split|fit",
         .SettingsKey = "Strips",
         .Page = P::Pages,
         .Label = QT_TRANSLATE_NOOP("MakeOption", "Long strips:"),
         .ToolTip = QT_TRANSLATE_NOOP("MakeOption",
                                      "Pictures far taller than the screen, as webtoons are: cut into pages as wide "
                                      "as the screen, at the white gaps between panels where there are any."),
         .Get = Get(&TProcessOptions::Strips),
         .Set = Set(&TProcessOptions::Strips),
         .Choices = {{"split", QT_TRANSLATE_NOOP("MakeOption", "Cut into pages"), 0},
                     {"fit", QT_TRANSLATE_NOOP("MakeOption", "Fit on one page"), 1}}},
        // Without either, as the source says: a comic's ComicInfo.xml may say right to left.
        {.Kind = K::Switch,
         .Name = "rtl",
         .Help = "Read right to left: split halves right first. Default: as a comic's ComicInfo.xml says, "
                 "else left to right.",
         .SettingsKey = "RightToLeft",
         .Page = P::Pages,
         .Label = QT_TRANSLATE_NOOP("MakeOption", "Right to left"),
         .ToolTip = QT_TRANSLATE_NOOP("MakeOption",
                                      "For books read right to left (manga): the right half of a spread comes first. "
                                      "Off: as a comic's ComicInfo.xml says."),
         .Get = [](const TMakeOptions& o) { return QVariant(o.Pictures.Direction == TReadingDirection::RightToLeft); },
         .Set =
             [](TMakeOptions& o, const QVariant& v) {
                 o.Pictures.Direction = v.toBool() ? TReadingDirection::RightToLeft : TReadingDirection::AsSource;
             },
         .Excludes = "ltr"},
        {.Kind = K::Switch,
         .Name = "ltr",
         .Help = "Read left to right, even a comic whose ComicInfo.xml says right to left.",
         .Page = P::CommandLine,
         .Get = [](const TMakeOptions& o) { return QVariant(o.Pictures.Direction == TReadingDirection::LeftToRight); },
         .Set =
             [](TMakeOptions& o, const QVariant& v) {
                 o.Pictures.Direction = v.toBool() ? TReadingDirection::LeftToRight : TReadingDirection::AsSource;
             },
         .Excludes = "rtl"},
        {.Kind = K::Number,
         .Name = "gamma",
         .Help = "Above 1 darkens the mid-tones.",
         .ValueName = "g",
         .SettingsKey = "Gamma",
         .Page = P::Pages,
         .Label = QT_TRANSLATE_NOOP("MakeOption", "Gamma:"),
         .ToolTip = QT_TRANSLATE_NOOP("MakeOption", "Above 1 darkens the mid-tones; below 1 lightens them."),
         .Get = Get(&TProcessOptions::Gamma),
         .Set = Set(&TProcessOptions::Gamma),
         .Min = 0.1,
         .Max = 10,
         .Step = 0.1,
         .StoredScale = 100},
        {.Kind = K::Switch,
         .Name = "no-autocontrast",
         .Help = "Keep the pictures' levels instead of stretching them to black and white.",
         .SettingsKey = "AutoContrast",
         .Page = P::Pages,
         .Label = QT_TRANSLATE_NOOP("MakeOption", "Stretch contrast"),
         .ToolTip = QT_TRANSLATE_NOOP("MakeOption", "Makes the darkest part black and the paper white."),
         .Get = Get(&TProcessOptions::AutoContrast),
         .Set = Set(&TProcessOptions::AutoContrast),
         .Negated = true},
        {.Kind = K::Choice,
         .Name = "bits",
         .Help = "2: four grey levels; 1: black and white.",
         .ValueName = "1|2",
         .SettingsKey = "Bits",
         .Page = P::Pages,
         .Label = QT_TRANSLATE_NOOP("MakeOption", "Greys:"),
         .ToolTip = QT_TRANSLATE_NOOP("MakeOption", "Four greys look better; black and white makes smaller books."),
         .Get = [](const TMakeOptions& o) { return QVariant(o.Pictures.Bits == 1 ? 1 : 0); },
         .Set = [](TMakeOptions& o, const QVariant& v) { o.Pictures.Bits = v.toInt() == 1 ? 1 : 2; },
         .Choices = {{"2", QT_TRANSLATE_NOOP("MakeOption", "Four greys (2 bits)"), 2},
                     {"1", QT_TRANSLATE_NOOP("MakeOption", "Black and white (1 bit)"), 1}}},
        {.Kind = K::Choice,
         .Name = "dither",
         .Help = "floyd-steinberg, ordered or threshold.",
         .ValueName = "method",
         .SettingsKey = "Dither",
         .Page = P::Pages,
         .Label = QT_TRANSLATE_NOOP("MakeOption", "Shading:"),
         .ToolTip =
             QT_TRANSLATE_NOOP("MakeOption",
                               "How the greys in between are drawn: error diffusion keeps detail, a pattern suits "
                               "drawings, nearest grey keeps text crisp."),
         .Get = Get(&TProcessOptions::Dither),
         .Set = Set(&TProcessOptions::Dither),
         .Choices = {{"floyd-steinberg", QT_TRANSLATE_NOOP("MakeOption", "Error diffusion"), 0},
                     {"ordered", QT_TRANSLATE_NOOP("MakeOption", "Ordered pattern"), 1},
                     {"threshold", QT_TRANSLATE_NOOP("MakeOption", "Nearest grey"), 2}}},
        {.Kind = K::Switch,
         .Name = "stretch",
         .Help = "Fill the screen, ignoring the pictures' aspect ratio.",
         .SettingsKey = "Stretch",
         .Page = P::Pages,
         .Label = QT_TRANSLATE_NOOP("MakeOption", "Fill the screen"),
         .ToolTip = QT_TRANSLATE_NOOP("MakeOption", "Stretches pages to the whole screen, ignoring their shape."),
         .Get = Get(&TProcessOptions::Stretch),
         .Set = Set(&TProcessOptions::Stretch)},
        {.Kind = K::Switch,
         .Name = "upscale",
         .Help = "Enlarge pictures smaller than the screen.",
         .SettingsKey = "Upscale",
         .Page = P::Pages,
         .Label = QT_TRANSLATE_NOOP("MakeOption", "Enlarge small pictures"),
         .ToolTip = QT_TRANSLATE_NOOP("MakeOption", "Pictures smaller than the screen are enlarged to fit it."),
         .Get = Get(&TProcessOptions::Upscale),
         .Set = Set(&TProcessOptions::Upscale)},
        {.Kind = K::Text,
         .Name = "pages",
         .Help = "The pages of each PDF to take, as 3-120, 7, 3- or -120.",
         .ValueName = "range",
         .Page = P::Sources,
         .Label = QT_TRANSLATE_NOOP("MakeOption", "PDF pages:"),
         .ToolTip = QT_TRANSLATE_NOOP("MakeOption", "The pages of each PDF to take, as 3-120; empty takes all."),
         .Get = [](const TMakeOptions& o) { return QVariant(PageRangeText(o.PdfPages)); },
         .Set = [](TMakeOptions& o,
                   const QVariant& v) { o.PdfPages = ParsePageRange(v.toString()).value_or(TPageRange{}); },
         .Placeholder = QT_TRANSLATE_NOOP("MakeOption", "all"),
         .Hint = QT_TRANSLATE_NOOP("MakeOption", "give FIRST-LAST, counted from 1, such as 3-120"),
         .Accepts = [](const QString& text) { return text.trimmed().isEmpty() || ParsePageRange(text).has_value(); },
         .ChangesSources = true},
        {.Kind = K::Text,
         .Name = "input-encoding",
         .Help = "The encoding of text files without a byte-order mark, such as GB18030, windows-1251 or "
                 "Shift_JIS. Default: guessed from the whole file.",
         .ValueName = "name",
         .Page = P::Sources,
         .Label = QT_TRANSLATE_NOOP("MakeOption", "Text encoding:"),
         .ToolTip = QT_TRANSLATE_NOOP("MakeOption",
                                      "The encoding of text files, such as GB18030, windows-1251 or Shift_JIS; empty "
                                      "guesses it. A byte-order mark at the start of a file decides for that file."),
         .Get = [](const TMakeOptions& o) { return QVariant(o.TextEncoding); },
         .Set = [](TMakeOptions& o, const QVariant& v) { o.TextEncoding = v.toString().trimmed(); },
         .Placeholder = QT_TRANSLATE_NOOP("MakeOption", "guessed"),
         .Hint = QT_TRANSLATE_NOOP("MakeOption",
                                   "give an encoding this system knows, such as GB18030, windows-1251, Shift_JIS or "
                                   "UTF-16LE"),
         .Accepts = IsTextEncodingChoice,
         .ChangesSources = true},
        {.Kind = K::Text,
         .Name = "chapters",
         .Help = "Chapters of text files: auto finds heading lines such as 第一章, Chapter IV or Глава 1, with "
                 "their parts and sections; off finds none; any other text is a regular expression that a whole "
                 "heading line matches. Default: auto.",
         .ValueName = "auto|off|regex",
         .Page = P::Sources,
         .Label = QT_TRANSLATE_NOOP("MakeOption", "Text chapters:"),
         .ToolTip = QT_TRANSLATE_NOOP("MakeOption",
                                      "Which lines of a text file begin chapters: empty finds the usual headings "
                                      "(第一章, Chapter 1, Глава 1), \"off\" none; anything else is a regular "
                                      "expression that a whole line must match."),
         .Get = [](const TMakeOptions& o) { return QVariant(ChapterRuleText(o.TextChapters)); },
         .Set = [](TMakeOptions& o,
                   const QVariant& v) { o.TextChapters = ParseChapterRule(v.toString()).value_or(TChapterRule{}); },
         .Placeholder = QT_TRANSLATE_NOOP("MakeOption", "usual headings"),
         .Hint = QT_TRANSLATE_NOOP("MakeOption", "give auto, off or a valid regular expression"),
         .Accepts = [](const QString& text) { return ParseChapterRule(text).has_value(); },
         .ChangesSources = true},
        {.Kind = K::Switch,
         .Name = "skip-bad",
         .Help = "Leave out pictures that cannot be read (damaged or cut off) and name them at the end, instead of "
                 "stopping.",
         .SettingsKey = "SkipBadPictures",
         .Page = P::Sources,
         .Label = QT_TRANSLATE_NOOP("MakeOption", "Leave out damaged pictures"),
         .ToolTip = QT_TRANSLATE_NOOP("MakeOption",
                                      "Pictures that cannot be read are left out and named when the book is made; "
                                      "otherwise the first of them stops the book."),
         .Get = [](const TMakeOptions& o) { return QVariant(o.SkipBadPictures); },
         .Set = [](TMakeOptions& o, const QVariant& v) { o.SkipBadPictures = v.toBool(); }},
        // The window asks for it when a PDF needs it.
        {.Kind = K::Text,
         .Name = "password",
         .Help = "The password that opens encrypted PDFs.",
         .ValueName = "password",
         .Page = P::CommandLine,
         .Get = [](const TMakeOptions& o) { return QVariant(o.PdfPassword); },
         .Set = [](TMakeOptions& o, const QVariant& v) { o.PdfPassword = v.toString(); }},
    };
}

QString ChoiceNames(const TOptionDeclaration& option)
{
    QStringList names;
    for (const TOptionChoice& choice : option.Choices) names << QLatin1String(choice.Name);
    return names.join(u'|');
}

}  // namespace

const std::vector<TOptionDeclaration>& OptionDeclarations()
{
    static const std::vector<TOptionDeclaration> declarations = Declarations();
    return declarations;
}

QVariant DefaultValue(const TOptionDeclaration& option)
{
    return option.Get(TMakeOptions{});
}

std::optional<QVariant> ParseOptionValue(const TOptionDeclaration& option, const QString& text)
{
    switch (option.Kind) {
    case TOptionKind::Switch:
    case TOptionKind::Choice:
        for (size_t i = 0; i < option.Choices.size(); ++i)
            if (text == QLatin1String(option.Choices[i].Name))
                return option.Kind == TOptionKind::Switch ? QVariant(i == 1) : QVariant(static_cast<int>(i));
        return std::nullopt;
    case TOptionKind::Number: {
        bool isNumber = false;
        const double value = text.toDouble(&isNumber);
        if (!isNumber || !(value >= option.Min && value <= option.Max)) return std::nullopt;
        return value;
    }
    case TOptionKind::Text:
        if (option.Accepts && !option.Accepts(text)) return std::nullopt;
        return text;
    case TOptionKind::Screen:
        if (const std::optional<QSize> size = ParseScreenSize(text)) return *size;
        return std::nullopt;
    }
    return std::nullopt;
}

QString OptionValueText(const TOptionDeclaration& option, const QVariant& value)
{
    switch (option.Kind) {
    case TOptionKind::Switch:
        if (option.Choices.empty()) return value.toBool() != option.Negated ? QStringLiteral("on") : QString();
        return QLatin1String(option.Choices.at(value.toBool() ? 1 : 0).Name);
    case TOptionKind::Choice: return QLatin1String(option.Choices.at(static_cast<size_t>(value.toInt())).Name);
    case TOptionKind::Number: return QString::number(value.toDouble());
    case TOptionKind::Text: return value.toString();
    case TOptionKind::Screen: {
        const QSize size = value.toSize();
        return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
    }
    }
    return {};
}

QString OptionHelp(const TOptionDeclaration& option)
{
    QString help = QString::fromUtf8(option.Help);
    if (option.Kind == TOptionKind::Screen) {
        QStringList profiles;
        for (const TScreenProfile& profile : ScreenProfiles())
            profiles << QStringLiteral("%1 (%2x%3)")
                            .arg(QLatin1String(profile.Name))
                            .arg(profile.Size.width())
                            .arg(profile.Size.height());
        help = help.arg(profiles.join(QLatin1String(", ")));
    }
    const QString fallback = OptionValueText(option, DefaultValue(option));
    if (option.Kind != TOptionKind::Switch || !option.Choices.empty())
        if (!fallback.isEmpty()) help += QStringLiteral(" Default: %1.").arg(fallback);
    return help;
}

QString OptionValuesText(const TOptionDeclaration& option)
{
    switch (option.Kind) {
    case TOptionKind::Switch:
    case TOptionKind::Choice: return QStringLiteral("use %1").arg(ChoiceNames(option));
    case TOptionKind::Number: return QStringLiteral("give a number from %1 to %2").arg(option.Min).arg(option.Max);
    case TOptionKind::Screen: return QStringLiteral("give WIDTHxHEIGHT (16 to 4096 each) or a profile name");
    case TOptionKind::Text:
        return option.Hint ? QLatin1String(option.Hint)
                           : QStringLiteral("give %1").arg(QLatin1String(option.ValueName));
    }
    return {};
}

QString StoredText(const TOptionDeclaration& option, const QVariant& value)
{
    switch (option.Kind) {
    case TOptionKind::Switch: return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case TOptionKind::Choice: return QString::number(option.Choices.at(static_cast<size_t>(value.toInt())).Stored);
    case TOptionKind::Number: return QString::number(std::lround(value.toDouble() * option.StoredScale));
    case TOptionKind::Text: return value.toString();
    case TOptionKind::Screen:
        for (const TScreenProfile& profile : ScreenProfiles())
            if (profile.Size == value.toSize()) return QLatin1String(profile.Name);
        return OptionValueText(option, value);
    }
    return {};
}

QVariant StoredValue(const TOptionDeclaration& option, const QString& text)
{
    QVariant fallback = DefaultValue(option);
    switch (option.Kind) {
    case TOptionKind::Switch: return platform::ParseIniInteger(text).value_or(fallback.toBool() ? 1 : 0) != 0;
    case TOptionKind::Choice: {
        const std::optional<int> stored = platform::ParseIniInteger(text);
        for (size_t i = 0; i < option.Choices.size(); ++i)
            if (stored == option.Choices[i].Stored) return static_cast<int>(i);
        // Out of range: the nearest end, as the settings do with every number.
        if (!stored) return fallback;
        const auto [low, high] = std::minmax_element(option.Choices.begin(), option.Choices.end(),
                                                     [](const auto& a, const auto& b) { return a.Stored < b.Stored; });
        return static_cast<int>((*stored < low->Stored ? low : high) - option.Choices.begin());
    }
    case TOptionKind::Number: {
        const std::optional<int> stored = platform::ParseIniInteger(text);
        if (!stored) return fallback;
        const int low = static_cast<int>(std::lround(option.Min * option.StoredScale));
        const int high = static_cast<int>(std::lround(option.Max * option.StoredScale));
        return std::clamp(*stored, low, high) / static_cast<double>(option.StoredScale);
    }
    case TOptionKind::Text: return !option.Accepts || option.Accepts(text) ? QVariant(text) : fallback;
    case TOptionKind::Screen:
        for (const TScreenProfile& profile : ScreenProfiles())
            if (text == QLatin1String(profile.Name)) return profile.Size;
        return ParseScreenSize(text).value_or(fallback.toSize());
    }
    return fallback;
}

}  // namespace making
