// A book unpacked into a folder by extract: book.json (the description), contents.cat (the
// table of contents), cover.png, and one file per page, 0001.png, 0002.txt, ... in book order.
#pragma once

#include "ProcessOptions.h"
#include "SourceBook.h"

#include <QStringList>

namespace making {

// book.json's names of the nine description fields, in field order.
extern const char* const DescriptionKeys[wolf::TWolfDescription::FieldCount];

bool IsExtractedBook(const QString& folder);

// Pictures as PreparedPicture (they already hold the book's levels), text pages as they are;
// a page that could not be unpacked (NNNN.invalid) as an empty text page, so that the contents
// still point at the right pages. book.json's fields, cover.png and contents.cat (or no
// contents at all) for the book. EMakeFailure for a book.json that is not a JSON object, or a
// folder without pages.
void AddExtractedBookPages(const QString& folder, const QStringList& chapters, const TMakeOptions& options,
                           TSourceBook& book);

}  // namespace making
