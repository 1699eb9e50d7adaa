// Chapter headings found in a text file's lines, for its table of contents.
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace making {

// How headings are found: by their usual forms (第一章, Chapter IV, Глава 1 and their larger and
// smaller kinds), not at all, or by a regular expression that a whole heading line matches.
struct TChapterRule {
    enum class TMode { Usual, Off, Pattern };
    TMode Mode = TMode::Usual;
    QString Pattern;
};

// "" or "auto": the usual forms; "off": none; any other text is a pattern. nullopt for a
// pattern that is not a valid regular expression.
std::optional<TChapterRule> ParseChapterRule(const QString& text);
// The text ParseChapterRule reads back: empty for the usual forms.
QString ChapterRuleText(const TChapterRule& rule);

struct TTextHeading {
    qsizetype Start = 0;  // where its line begins in the text
    qsizetype End = 0;    // where its line's text ends
    int Level = 1;        // 1 for the largest kind in the text (or every match of a pattern), up to 3
    QString Title;
};

// In text with "\n" line ends, in order. A heading is a line of its own, at most
// MaxHeadingColumns wide (TextColumns).
std::vector<TTextHeading> FindTextHeadings(const QString& text, const TChapterRule& rule);

constexpr int MaxHeadingColumns = 60;

}  // namespace making
