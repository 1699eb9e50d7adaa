// Writes a new book file from an old one with another description or table of contents.
// Both streams belong to the caller; the book is streamed block by block.
#pragma once

#include "WolfStream.h"
#include "uWolfDefs.h"

#include <cstdint>

namespace wolf {

// 0 and 0xFFFFFFFF mark a missing offset and stay; anything else moves, modulo 2^32.
uint32_t ShiftOffset(uint32_t value, int64_t distance);

// Each copies one block from the source's position to the destination's.
void CopyCatalog(TStream& source, TStream& destination);
// Everything from movingFrom on moves by distance; titles in front of it are refused.
void CopySubcatalog(TStream& source, TStream& destination, uint32_t recordCount, int64_t distance, uint64_t movingFrom);
// Page-table parameters move by parameterDistance, the entries behind them by entryDistance.
void CopyPageTable(TStream& source, TStream& destination, int64_t entryDistance, int64_t parameterDistance);

// description.Size bytes of description.ToText() become the new description block.
void ReplaceDescription(TStream& source, TStream& destination, const TWolfDescription& description);
// pages: the book's page list as read from source. toc is left sorted by depth.
void ReplaceTOC(TStream& source, TStream& destination, const TWolfPageList& pages, TWolfTOCList& toc);

}  // namespace wolf
