// FictionBook (FB2) e-books, also zipped (.fb2.zip), as text and picture pages, with their
// sections as contents, their description and cover.
#pragma once

#include "ProcessOptions.h"
#include "SourceBook.h"

namespace making {

// The bodies in order as text pages for the options' screen, their pictures (base64 binaries)
// as pages in place, the first body's titled sections as the pages' headings. EMakeFailure for
// a file that is not a well-formed FB2 book, naming it and what is wrong.
void AddFb2Pages(const QString& path, const QStringList& chapters, const TMakeOptions& options, TSourceBook& book);

}  // namespace making
