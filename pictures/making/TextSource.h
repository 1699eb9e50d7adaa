// Plain-text files as text pages.
#pragma once

#include "ProcessOptions.h"
#include "SourceBook.h"

#include <QSize>
#include <vector>

namespace making {

// About as many characters as a screen of that size shows in a reading font.
int TextPageCharacters(QSize screen);

// CR LF and lone CRs as "\n".
QString NormalisedLineEnds(QString text);

struct TTextPages {
    QStringList Pages;
    std::vector<qsizetype> Starts;  // where each page begins in the text split

    // The page holding the text's character at offset.
    int PageAt(qsizetype offset) const;
};

// Text with "\n" line ends in pages of at most maxCharacters each, broken between lines,
// after an empty line (the end of a paragraph) where one lies in the page's second half; a
// line longer than a page is broken at a space. No page starts with empty lines.
TTextPages SplitText(const QString& text, int maxCharacters);

// The pages of text with any line ends.
QStringList SplitTextPages(const QString& text, int maxCharacters);

// A UTF-8 text file (a byte-order mark is dropped) of at most 32 MB, in pages that hold
// what the options' screen shows; EMakeFailure for other bytes.
void AddTextFilePages(const QString& path, const QStringList& chapters, const TMakeOptions& options, TSourceBook& book);

}  // namespace making
