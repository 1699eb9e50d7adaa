// Plain-text files as text pages.
#pragma once

#include "ProcessOptions.h"
#include "SourceBook.h"

#include <QSize>
#include <vector>

namespace making {

// About as many characters as a screen of that size shows in a reading font.
int TextPageCharacters(QSize screen);

// Pages of at most maxCharacters each, broken between lines, after an empty line (the end
// of a paragraph) where one lies in the page's second half; a line longer than a page is
// broken at a space. Line ends become "\n"; no page starts with empty lines.
QStringList SplitTextPages(const QString& text, int maxCharacters);

// A UTF-8 text file (a byte-order mark is dropped) of at most 32 MB, in pages that hold
// what the options' screen shows; EMakeFailure for other bytes.
void AddTextFilePages(const QString& path, const QStringList& chapters, const TMakeOptions& options, TSourceBook& book);

}  // namespace making
