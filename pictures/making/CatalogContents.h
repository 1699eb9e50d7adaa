// A table of contents given as catalog text, for a book being made.
#pragma once

#include "BookEncoding.h"
#include "uWolfDefs.h"

#include <QString>

namespace making {

// The UTF-8 catalog file's entries, titles in the book's encoding, page numbers those of the
// book being made. EMakeFailure for a file that cannot be read, is no catalog or not UTF-8
// text, or a title the encoding cannot hold.
wolf::TWolfTOCList ReadCatalogContents(const platform::TBookEncoding& encoding, const QString& path);

}  // namespace making
