// Plain-text files as text pages.
#pragma once

#include "ProcessOptions.h"
#include "SourceBook.h"

#include <QSize>
#include <vector>

namespace making {

// About as many characters as a screen of that size shows in a reading font (a Latin letter
// each; TextColumns counts an East Asian character as two).
int TextPageCharacters(QSize screen);

// CR LF and lone CRs as "\n".
QString NormalisedLineEnds(QString text);

struct TTextPages {
    QStringList Pages;
    std::vector<qsizetype> Starts;  // where each page begins in the text split

    // The page holding the text's character at offset.
    int PageAt(qsizetype offset) const;
};

// Text with "\n" line ends in pages at most maxCharacters wide in TextColumns, each a piece
// of the text from its start, without its trailing white space. A page turns after an empty
// line (the end of a paragraph) or else a line end in its second half; otherwise it is filled
// and turns where a line may break (between words, or between Chinese or Japanese characters),
// never inside a character or between a letter and its marks. A page also begins at each of
// pageStarts (ascending). No page starts with empty lines.
TTextPages SplitText(const QString& text, int maxCharacters, const std::vector<qsizetype>& pageStarts = {});

// The pages of text with any line ends.
QStringList SplitTextPages(const QString& text, int maxCharacters);

// A text file of at most 32 MB in any encoding (TextDecoding.h; options.TextEncoding names it
// when the guess will not do), in pages that hold what the options' screen shows, each chapter
// heading (options.TextChapters) at the top of a page and among the page's headings.
void AddTextFilePages(const QString& path, const QStringList& chapters, const TMakeOptions& options, TSourceBook& book);

}  // namespace making
