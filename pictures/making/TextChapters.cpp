#include "TextChapters.h"

#include "TextColumns.h"

#include <QRegularExpression>
#include <algorithm>
#include <set>

namespace making {
namespace {

// The kinds of heading, largest first; a text's largest kind present becomes level 1.
enum class TRank { Part, Book, Chapter, Section };

struct TKindWord {
    const char16_t* Word;  // lower case
    TRank Rank;
};

constexpr TKindWord KindWords[] = {
    {u"part", TRank::Part},        {u"book", TRank::Book},        {u"chapter", TRank::Chapter},
    {u"prologue", TRank::Chapter}, {u"epilogue", TRank::Chapter}, {u"часть", TRank::Part},
    {u"книга", TRank::Book},       {u"глава", TRank::Chapter},    {u"пролог", TRank::Chapter},
    {u"эпилог", TRank::Chapter},   {u"部分", TRank::Part},        {u"部", TRank::Part},
    {u"卷", TRank::Book},          {u"节", TRank::Section},       {u"節", TRank::Section},
};

TRank RankOf(const QString& kind)
{
    const QString word = kind.toLower();
    for (const TKindWord& known : KindWords)
        if (word == QStringView(known.Word)) return known.Rank;
    return TRank::Chapter;  // 章, 回 and the prologues and epilogues
}

struct THeadingForm {
    QStringView Initials;        // what a line of the form begins with, to pass most lines by quickly
    QRegularExpression Pattern;  // groups kind and rest (what follows the number)
    // Latin and Cyrillic: a title after a mere space begins with a capital, so that "Chapter 3
    // was dull" is a sentence; Chinese titles follow the number directly as often as not.
    bool SpacedTitleIsCapitalised;
};

const std::vector<THeadingForm>& HeadingForms()
{
    const auto form = [](QStringView initials, const QString& pattern, bool capitalised) {
        return THeadingForm{initials, QRegularExpression(pattern, QRegularExpression::UseUnicodePropertiesOption),
                            capitalised};
    };
    static const QString Cardinals = QStringLiteral(
        "(?:twenty|thirty|forty|fifty|sixty|seventy|eighty|ninety)(?:-(?:one|two|three|four|five|six|seven|eight|"
        "nine))?|one|two|three|four|five|six|seven|eight|nine|ten|eleven|twelve|thirteen|fourteen|fifteen|sixteen|"
        "seventeen|eighteen|nineteen|first|second|third|fourth|fifth|sixth|seventh|eighth|ninth|tenth|eleventh|"
        "twelfth|last");
    static const QString RussianOrdinals = QStringLiteral(
        "первая|вторая|третья|четв[её]ртая|пятая|шестая|седьмая|восьмая|девятая|десятая|одиннадцатая|двенадцатая|"
        "последняя");
    static const std::vector<THeadingForm> forms{
        form(u"第",
             QStringLiteral(
                 "^第[\\s　]*(?:[0-9０-９]+|[〇零一二三四五六七八九十百千万萬两兩壹贰貳叁參肆伍陆陸柒捌玖拾佰仟]+)"
                 "[\\s　]*(?<kind>部分|部|卷|章|回|节|節)(?<rest>.*)$"),
             false),
        form(u"序楔引前尾后後终終番",
             QStringLiteral("^(?<kind>序章|序言|序|楔子|引子|前言|尾声|尾聲|后记|後記|终章|終章|番外)"
                            "(?<rest>(?:[\\s　:：].*)?)$"),
             false),
        form(u"PBC",
             QStringLiteral("^(?<kind>Part|PART|Book|BOOK|Chapter|CHAPTER)\\s+(?:\\d{1,4}|[IVXLCDM]+|[ivxlcdm]+|(?i:") +
                 Cardinals + QStringLiteral("))\\b(?<rest>.*)$"),
             true),
        form(u"ЧКГ",
             QStringLiteral("^(?<kind>Часть|ЧАСТЬ|Книга|КНИГА|Глава|ГЛАВА)\\s+(?:\\d{1,4}|[IVXLCDM]+|(?i:") +
                 RussianOrdinals + QStringLiteral("))\\b(?<rest>.*)$"),
             true),
        form(u"PEПЭ",
             QStringLiteral("^(?<kind>Prologue|PROLOGUE|Epilogue|EPILOGUE|Пролог|ПРОЛОГ|Эпилог|ЭПИЛОГ)\\b(?<rest>.*)$"),
             true),
    };
    return forms;
}

bool IsSeparator(QChar c)
{
    return QStringView(u".:：、-–—)）·．").contains(c);
}

bool OpensTitle(QChar c)
{
    return c.isUpper() || c.isDigit() || QStringView(u"\"'“‘«([（《「").contains(c);
}

// What follows the number: nothing, a separator and a title, or a title after a space.
bool IsTitle(QStringView rest, bool spacedTitleIsCapitalised)
{
    const QStringView title = rest.trimmed();
    if (title.isEmpty() || IsSeparator(title.front())) return true;
    if (!rest.front().isSpace()) return !spacedTitleIsCapitalised;
    return !spacedTitleIsCapitalised || OpensTitle(title.front());
}

// Sentences end or go on so; titles hardly ever do.
bool ReadsAsSentence(QStringView line)
{
    return line.contains(u'。') || QStringView(u",;，；、").contains(line.back());
}

// Titles are made only for the headings kept: a text of a million short lines that look like
// headings is no heavier than its text.
struct TFound {
    qsizetype Start, End;
    TRank Rank;
};

std::optional<TRank> UsualHeadingRank(QStringView line)
{
    if (ReadsAsSentence(line)) return std::nullopt;
    for (const THeadingForm& form : HeadingForms()) {
        if (!form.Initials.contains(line.front())) continue;
        const QRegularExpressionMatch match = form.Pattern.match(line);
        if (match.hasMatch() && IsTitle(match.capturedView(u"rest"), form.SpacedTitleIsCapitalised))
            return RankOf(match.captured(u"kind"));
    }
    return std::nullopt;
}

// A run of headings with nothing but empty lines between them, one kind repeated, is a list
// of the contents at the front of the book, not the chapters themselves.
void DropContentsLists(const QString& text, std::vector<TFound>& found)
{
    std::vector<TFound> kept;
    for (size_t first = 0; first < found.size();) {
        size_t last = first;
        std::set<TRank> ranks{found[first].Rank};
        bool repeated = false;
        while (last + 1 < found.size()) {
            const TFound& next = found[last + 1];
            const qsizetype from = found[last].End;
            if (!QStringView(text).mid(from, next.Start - from).trimmed().isEmpty()) break;
            repeated = repeated || !ranks.insert(found[last + 1].Rank).second;
            ++last;
        }
        if (!repeated) kept.insert(kept.end(), found.begin() + qsizetype(first), found.begin() + qsizetype(last) + 1);
        first = last + 1;
    }
    found = std::move(kept);
}

}  // namespace

std::optional<TChapterRule> ParseChapterRule(const QString& text)
{
    const QString word = text.trimmed();
    if (word.isEmpty() || word == QLatin1String("auto")) return TChapterRule{};
    if (word == QLatin1String("off")) return TChapterRule{TChapterRule::TMode::Off, {}};
    if (!QRegularExpression(text).isValid()) return std::nullopt;
    return TChapterRule{TChapterRule::TMode::Pattern, text};
}

QString ChapterRuleText(const TChapterRule& rule)
{
    switch (rule.Mode) {
    case TChapterRule::TMode::Usual: return {};
    case TChapterRule::TMode::Off: return QStringLiteral("off");
    case TChapterRule::TMode::Pattern: return rule.Pattern;
    }
    return {};
}

std::vector<TTextHeading> FindTextHeadings(const QString& text, const TChapterRule& rule)
{
    if (rule.Mode == TChapterRule::TMode::Off) return {};
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(rule.Pattern),
                                     QRegularExpression::UseUnicodePropertiesOption);
    std::vector<TFound> found;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0) end = text.size();
        const QStringView line = QStringView(text).mid(start, end - start).trimmed();
        // Two units or fewer a column: longer lines need not be measured.
        if (!line.isEmpty() && line.size() <= 2 * MaxHeadingColumns && TextColumns(line) <= MaxHeadingColumns) {
            std::optional<TRank> rank;
            if (rule.Mode == TChapterRule::TMode::Pattern) {
                if (pattern.match(line).hasMatch()) rank = TRank::Part;
            } else {
                rank = UsualHeadingRank(line);
            }
            if (rank) found.push_back({start, end, *rank});
        }
        start = end + 1;
    }
    DropContentsLists(text, found);
    // The largest three kinds present are the levels.
    std::set<TRank> present;
    for (const TFound& heading : found) present.insert(heading.Rank);
    std::vector<TTextHeading> headings;
    for (const TFound& heading : found) {
        const int level = static_cast<int>(std::distance(present.begin(), present.find(heading.Rank))) + 1;
        if (level > 3) continue;
        const QString title = text.mid(heading.Start, heading.End - heading.Start).simplified();
        headings.push_back({heading.Start, heading.End, level, title});
    }
    return headings;
}

}  // namespace making
