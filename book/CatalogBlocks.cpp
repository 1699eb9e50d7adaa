#include "CatalogBlocks.h"

#include "WolfFormat.h"

#include <limits>

namespace wolf {

namespace {
constexpr uint32_t MaxCount = std::numeric_limits<uint16_t>::max();
}

TCatalogLayout PlanCatalog(const TWolfTOCList& toc, const std::string& bookTitle, uint64_t catalogStart)
{
    TCatalogLayout layout;
    uint64_t titlesLength = 0;
    for (int i = 0; i < toc.Count(); ++i) {
        const TWolfTOCItem& item = toc[i];
        titlesLength += item.Title().size();
        if (item.Level() == 1) {
            if (item.Title().find(blocks::ItemEnd) != std::string::npos)
                RaiseWolfError("The chapter title \"" + item.Title() + "\" must not contain \"" + blocks::ItemEnd +
                               "\"");
            layout.CatalogSize += item.Title().size() + blocks::ItemFrame;
            ++layout.Level1Count;
        } else {
            ++layout.SubLevelCount;
        }
    }
    if (layout.Level1Count > MaxCount || layout.SubLevelCount > MaxCount)
        RaiseWolfError("The table of contents has too many entries: a book holds at most " + std::to_string(MaxCount) +
                       " chapters and as many sections");
    // Only an empty table of contents gets the book's title as its single item: with a
    // subcatalog, the counts are its records', and sections without a chapter need none.
    if (toc.Empty()) {
        layout.CatalogSize = bookTitle.size() + blocks::ItemFrame;
        layout.Level1Count = 1;
    }
    layout.CatalogSize += blocks::CatalogFrame;
    if (!toc.Empty()) {
        layout.SubcatalogSize =
            titlesLength + record::Size * static_cast<uint64_t>(toc.Count()) + blocks::SubcatalogFrame;
        layout.SubcatalogOffset = catalogStart + layout.CatalogSize;
    }
    return layout;
}

void WriteCatalogItem(TStream& destination, const std::string& title, uint32_t pagePosition)
{
    destination.WriteText(blocks::ItemStart + title + blocks::ItemEnd);
    destination.WriteU32(pagePosition);
}

void WriteCatalog(TStream& destination, const TWolfTOCList& toc, const std::string& bookTitle,
                  const TPagePosition& positionOf)
{
    destination.WriteText(blocks::CatalogStart);
    if (toc.Empty()) WriteCatalogItem(destination, bookTitle, positionOf(0));
    for (int i = 0; i < toc.Count(); ++i)
        if (toc[i].Level() == 1) WriteCatalogItem(destination, toc[i].Title(), positionOf(toc[i].PageIndex));
    destination.WriteText(blocks::CatalogEnd);
}

void WriteSubcatalog(TStream& destination, const TWolfTOCList& toc, uint32_t subcatalogOffset,
                     const TPagePosition& positionOf)
{
    destination.WriteText(blocks::SubcatalogStart);
    const uint32_t recordsStart = subcatalogOffset + static_cast<uint32_t>(blocks::SubcatalogStart.size());
    uint32_t titleCursor = recordsStart + static_cast<uint32_t>(record::Size * static_cast<size_t>(toc.Count()));
    const TWolfTOCList::TKeyIndex keys(toc);
    for (int i = 0; i < toc.Count(); ++i) {
        uint8_t bytes[record::Size];
        toc.FillSubcatalogRecord(i, recordsStart, bytes, keys);
        PutU32(bytes + record::PageOffset, positionOf(toc[i].PageIndex));
        PutU32(bytes + record::TitleOffset, titleCursor);
        titleCursor += static_cast<uint32_t>(toc[i].Title().size());
        destination.WriteBuffer(bytes, record::Size);
    }
    for (int i = 0; i < toc.Count(); ++i) destination.WriteText(toc[i].Title());
    destination.WriteBuffer(&blocks::SubcatalogFiller, 1);
    destination.WriteText(blocks::SubcatalogEnd);
}

std::string CatalogTitle(const std::string& bookTitle)
{
    return bookTitle.substr(0, bookTitle.find(blocks::ItemEnd));
}

}  // namespace wolf
