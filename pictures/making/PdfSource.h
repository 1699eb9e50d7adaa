// PDF files as pages drawn at the size the screen needs, with their outline as headings and
// their document information for the description.
#pragma once

#include "ProcessOptions.h"
#include "SourceBook.h"

#include <QStringList>

namespace making {

// The options' page range of the PDF, each page drawn anti-aliased to fit the screen, its
// outline's entries as the headings of the pages they name; its title, author, subject and
// keywords (after the subject, as the book's description has no field of their own) for the
// description. EMakeFailure for a damaged PDF, one that needs a password, or a range outside
// the document. A page that cannot be drawn is listed all the same; it becomes a page saying so.
void AddPdfPages(const QString& path, const QStringList& chapters, const TMakeOptions& options, TSourceBook& book);

}  // namespace making
