// A book unpacked into a folder: book.json (the description), contents.cat (the table of
// contents), cover.png, and one file per page, 0001.png, 0002.txt, ... in book order.
#pragma once

#include "SourcePage.h"

#include <QJsonObject>
#include <vector>

namespace making {

struct TExtractedBook {
    QJsonObject Description;  // field name -> text, as book.json holds it
    QString ContentsPath;     // empty when there is no contents.cat
    QString CoverPath;        // empty when there is no cover.png
    // Pictures as PreparedPicture (they already hold the book's levels), text pages as
    // they are; a page that could not be unpacked (NNNN.invalid) as an empty text page,
    // so that the contents still point at the right pages.
    std::vector<TSourcePage> Pages;
};

bool IsExtractedBook(const QString& folder);

// EMakeFailure for a book.json that is not a JSON object, or a folder without pages.
TExtractedBook ReadExtractedBook(const QString& folder);

}  // namespace making
