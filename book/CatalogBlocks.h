// Writing the catalog and subcatalog blocks of a table of contents: shared by the rewriter,
// which replaces them in an existing book, and the writer, which makes new books.
#pragma once

#include "WolfStream.h"
#include "uWolfDefs.h"

#include <cstdint>
#include <functional>
#include <string>

namespace wolf {

// The page position stored for an entry: its page record relative to the page data, 0 for none.
using TPagePosition = std::function<uint32_t(int32_t pageIndex)>;

struct TCatalogLayout {
    uint64_t CatalogSize = 0;
    uint64_t SubcatalogSize = 0;
    uint64_t SubcatalogOffset = 0;  // 0: no subcatalog
    uint32_t Level1Count = 0;
    uint32_t SubLevelCount = 0;
};

// toc must be sorted by depth. An empty toc gets one item, bookTitle, leading to the first page,
// and no subcatalog. Raises EWolf when the counts do not fit their 16-bit fields or a chapter
// title would end its catalog item early.
TCatalogLayout PlanCatalog(const TWolfTOCList& toc, const std::string& bookTitle, uint64_t catalogStart);

void WriteCatalogItem(TStream& destination, const std::string& title, uint32_t pagePosition);
void WriteCatalog(TStream& destination, const TWolfTOCList& toc, const std::string& bookTitle,
                  const TPagePosition& positionOf);
// Only a non-empty toc gets a subcatalog in a well-formed book.
void WriteSubcatalog(TStream& destination, const TWolfTOCList& toc, uint32_t subcatalogOffset,
                     const TPagePosition& positionOf);

// The book title cut before any "</item>", so that the single item of an empty table of
// contents stays readable.
std::string CatalogTitle(const std::string& bookTitle);

}  // namespace wolf
