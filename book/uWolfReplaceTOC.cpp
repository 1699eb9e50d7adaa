// ReplaceTOC: the book with a newly written catalog and subcatalog.
#include "CatalogBlocks.h"
#include "ReplacerBlocks.h"
#include "WolfFormat.h"
#include "uWolfReplacer.h"

namespace wolf {

namespace {

// The entries must lead to pages of this book.
void CheckEntries(const TWolfTOCList& toc, const TWolfPageList& pages)
{
    for (int i = 0; i < toc.Count(); ++i) {
        const TWolfTOCItem& item = toc[i];
        if (item.PageIndex >= pages.Count())
            RaiseWolfError("The TOC item \"" + item.Title() + "\" leads to page " +
                           std::to_string(int64_t{item.PageIndex} + 1) + ", but the book has only " +
                           std::to_string(pages.Count()) + " pages");
    }
}

std::string ReadBookTitle(TStream& source, uint16_t descriptionLength)
{
    TWolfDescription description;
    description.FromText(source.ReadString(descriptionLength));
    return CatalogTitle(description.GetField(TWolfDescription::Title));
}

}  // namespace

void ReplaceTOC(TStream& source, TStream& destination, const TWolfPageList& pages, TWolfTOCList& toc)
{
    THeader header = replacer::StartRewrite(source, destination);
    // Subcatalog records and their links follow this order.
    toc.SortByDepth();
    CheckEntries(toc, pages);

    const uint16_t descriptionLength = GetU16(&header[header::DescriptionLength]);
    const uint32_t coverLength = GetU32(&header[header::CoverLength]);
    const uint32_t pageDataSize = GetU32(&header[header::PageDataSize]);
    const uint32_t pageTableSize = GetU32(&header[header::PageTableSize]);
    const uint32_t pageBase = static_cast<uint32_t>(header::Size + descriptionLength + coverLength);
    const std::string bookTitle = ReadBookTitle(source, descriptionLength);
    source.Seek(header::Size, TSeekOrigin::Begin);

    const uint64_t catalogStart = uint64_t{header::Size} + descriptionLength + coverLength + pageDataSize;
    const TCatalogLayout layout = PlanCatalog(toc, bookTitle, catalogStart);
    replacer::CheckBookSize(
        static_cast<int64_t>(catalogStart + layout.CatalogSize + layout.SubcatalogSize + pageTableSize));
    if (pageTableSize > source.Size()) RaiseWolfError("Bad Wolf page table");

    PutU32(&header[header::CatalogSize], static_cast<uint32_t>(layout.CatalogSize + layout.SubcatalogSize));
    PutU16(&header[header::Level1Count], static_cast<uint16_t>(layout.Level1Count));
    PutU16(&header[header::SubLevelCount], static_cast<uint16_t>(layout.SubLevelCount));
    PutU32(&header[header::SubcatalogOffset], static_cast<uint32_t>(layout.SubcatalogOffset));
    destination.WriteBuffer(header.data(), header.size());

    replacer::CopyBlock(source, destination, descriptionLength);
    replacer::CopyBlock(source, destination, coverLength);
    replacer::CopyBlock(source, destination, pageDataSize);
    const TPagePosition positionOf = [&](int32_t pageIndex) {
        return pageIndex < 0 || pageIndex >= pages.Count() ? 0u
                                                           : ShiftOffset(pages[pageIndex].Offset, -int64_t{pageBase});
    };
    WriteCatalog(destination, toc, bookTitle, positionOf);
    if (!toc.Empty()) WriteSubcatalog(destination, toc, static_cast<uint32_t>(layout.SubcatalogOffset), positionOf);

    // The old catalog and subcatalog stay behind; the page table moves to follow the new ones.
    source.Seek(-static_cast<int64_t>(pageTableSize), TSeekOrigin::End);
    const int64_t distance = static_cast<int64_t>(destination.Position()) - static_cast<int64_t>(source.Position());
    CopyPageTable(source, destination, 0, distance);
}

}  // namespace wolf
