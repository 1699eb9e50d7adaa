// ReplaceTOC: the book with a newly written catalog and subcatalog.
#include "ReplacerBlocks.h"
#include "uWolfReplacer.h"

#include <limits>

namespace wolf {

namespace {

const std::string ItemEnd = "</item>";
constexpr uint64_t ItemFrame = 6 + 7 + 4;         // "<item>", "</item>", page position
constexpr uint64_t CatalogFrame = 9 + 10;         // "<catalog>", "</catalog>"
constexpr uint64_t SubcatalogFrame = 12 + 1 + 13;  // "<subcatalog>", filler, "</subcatalog>"
constexpr uint8_t SubcatalogFiller = 8;
constexpr size_t RecordSize = TWolfTOCList::RecordSize;
constexpr uint32_t MaxCount = std::numeric_limits<uint16_t>::max();

struct TCatalogLayout {
    uint64_t CatalogSize = 0;
    uint64_t SubcatalogSize = 0;
    uint64_t SubcatalogOffset = 0;  // 0: no subcatalog
    uint32_t Level1Count = 0;
    uint32_t SubLevelCount = 0;
};

// The entries must lead to pages of this book, and no chapter title may end its catalog
// item early: such a book could not be read again.
void CheckEntries(const TWolfTOCList& toc, const TWolfPageList& pages)
{
    for (int i = 0; i < toc.Count(); ++i) {
        const TWolfTOCItem& item = toc[i];
        if (item.PageIndex >= pages.Count())
            RaiseWolfError("The TOC item \"" + item.Title() + "\" leads to page " +
                           std::to_string(int64_t{item.PageIndex} + 1) + ", but the book has only " +
                           std::to_string(pages.Count()) + " pages");
        if (item.Level() == 1 && item.Title().find(ItemEnd) != std::string::npos)
            RaiseWolfError("The chapter title \"" + item.Title() + "\" must not contain \"" + ItemEnd +
                           "\"");
    }
}

std::string ReadBookTitle(TStream& source, uint16_t descriptionLength)
{
    TWolfDescription description;
    description.FromText(source.ReadString(descriptionLength));
    const std::string title = description.GetField(0);
    // It only fills the single item that marks an empty table of contents; cut, it stays readable.
    return title.substr(0, title.find(ItemEnd));
}

TCatalogLayout PlanCatalog(const TWolfTOCList& toc, const std::string& bookTitle, uint64_t catalogStart)
{
    TCatalogLayout layout;
    uint64_t titlesLength = 0;
    for (int i = 0; i < toc.Count(); ++i) {
        const TWolfTOCItem& item = toc[i];
        titlesLength += item.Title().size();
        if (item.Level() == 1) {
            layout.CatalogSize += item.Title().size() + ItemFrame;
            ++layout.Level1Count;
        } else {
            ++layout.SubLevelCount;
        }
    }
    if (layout.Level1Count > MaxCount || layout.SubLevelCount > MaxCount)
        RaiseWolfError("The table of contents has too many entries: a book holds at most " +
                       std::to_string(MaxCount) + " chapters and as many sections");
    // Only an empty table of contents gets the book's title as its single item: with a
    // subcatalog, the counts are its records', and sections without a chapter need none.
    if (toc.Empty()) {
        layout.CatalogSize = bookTitle.size() + ItemFrame;
        layout.Level1Count = 1;
    }
    layout.CatalogSize += CatalogFrame;
    if (!toc.Empty()) {
        layout.SubcatalogSize = titlesLength + RecordSize * static_cast<uint64_t>(toc.Count()) +
                                SubcatalogFrame;
        layout.SubcatalogOffset = catalogStart + layout.CatalogSize;
    }
    return layout;
}

uint32_t PagePosition(const TWolfPageList& pages, int32_t pageIndex, uint32_t pageBase)
{
    return pageIndex < 0 ? 0 : ShiftOffset(pages[pageIndex].Offset, -int64_t{pageBase});
}

void WriteItem(TStream& destination, const std::string& title, uint32_t pagePosition)
{
    destination.WriteText("<item>" + title + ItemEnd);
    destination.WriteU32(pagePosition);
}

void WriteCatalog(TStream& destination, const TWolfTOCList& toc, const TWolfPageList& pages,
                  uint32_t pageBase, const std::string& bookTitle)
{
    destination.WriteText("<catalog>");
    if (toc.Empty())
        WriteItem(destination, bookTitle, pages.Empty() ? 0 : PagePosition(pages, 0, pageBase));
    for (int i = 0; i < toc.Count(); ++i)
        if (toc[i].Level() == 1)
            WriteItem(destination, toc[i].Title(), PagePosition(pages, toc[i].PageIndex, pageBase));
    destination.WriteText("</catalog>");
}

void WriteSubcatalog(TStream& destination, const TWolfTOCList& toc, const TWolfPageList& pages,
                     uint32_t pageBase, uint32_t subcatalogOffset)
{
    destination.WriteText("<subcatalog>");
    const uint32_t recordsStart = subcatalogOffset + 12;
    uint32_t titleCursor = recordsStart + static_cast<uint32_t>(RecordSize * toc.Count());
    const TWolfTOCList::TKeyIndex keys(toc);
    for (int i = 0; i < toc.Count(); ++i) {
        uint8_t record[RecordSize];
        toc.FillSubcatalogRecord(i, recordsStart, record, keys);
        PutU32(record, PagePosition(pages, toc[i].PageIndex, pageBase));
        PutU32(record + 4, titleCursor);
        titleCursor += static_cast<uint32_t>(toc[i].Title().size());
        destination.WriteBuffer(record, RecordSize);
    }
    for (int i = 0; i < toc.Count(); ++i) destination.WriteText(toc[i].Title());
    destination.WriteBuffer(&SubcatalogFiller, 1);
    destination.WriteText("</subcatalog>");
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
    replacer::CheckBookSize(static_cast<int64_t>(catalogStart + layout.CatalogSize +
                                                 layout.SubcatalogSize + pageTableSize));
    if (pageTableSize > source.Size()) RaiseWolfError("Bad Wolf page table");

    PutU32(&header[header::CatalogSize], static_cast<uint32_t>(layout.CatalogSize + layout.SubcatalogSize));
    PutU16(&header[header::Level1Count], static_cast<uint16_t>(layout.Level1Count));
    PutU16(&header[header::SubLevelCount], static_cast<uint16_t>(layout.SubLevelCount));
    PutU32(&header[header::SubcatalogOffset], static_cast<uint32_t>(layout.SubcatalogOffset));
    destination.WriteBuffer(header.data(), header.size());

    replacer::CopyBlock(source, destination, descriptionLength);
    replacer::CopyBlock(source, destination, coverLength);
    replacer::CopyBlock(source, destination, pageDataSize);
    WriteCatalog(destination, toc, pages, pageBase, bookTitle);
    if (!toc.Empty())
        WriteSubcatalog(destination, toc, pages, pageBase, static_cast<uint32_t>(layout.SubcatalogOffset));

    // The old catalog and subcatalog stay behind; the page table moves to follow the new ones.
    source.Seek(-static_cast<int64_t>(pageTableSize), TSeekOrigin::End);
    const int64_t distance = static_cast<int64_t>(destination.Position()) -
                             static_cast<int64_t>(source.Position());
    CopyPageTable(source, destination, 0, distance);
}

}  // namespace wolf
