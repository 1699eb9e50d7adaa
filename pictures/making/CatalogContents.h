// A table of contents given as catalog text, for a book being made.
#pragma once

#include "ConversionJob.h"

namespace making {

// The UTF-8 catalog file's entries, titles in the plan's encoding, page numbers those of the
// book being made. EMakeFailure for text that is not UTF-8 or a title the encoding cannot
// hold; wolf::EWolf for a file that cannot be read or is no catalog.
wolf::TWolfTOCList ReadCatalogContents(const TBookPlan& plan, const QString& path);

}  // namespace making
