// EPUB e-books (EPUB 2 and 3) as text and picture pages, with their contents, description
// and cover.
#pragma once

#include "ProcessOptions.h"
#include "SourceBook.h"

namespace making {

// The content documents in reading order as text pages for the options' screen, their pictures
// as pages in place; the book's own table of contents as the pages' headings. EMakeFailure for a
// book protected by DRM or a broken container, naming what is wrong.
void AddEpubPages(const QString& path, const QStringList& chapters, const TMakeOptions& options, TSourceBook& book);

}  // namespace making
