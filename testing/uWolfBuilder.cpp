#include "uWolfBuilder.h"

#include "CatalogBlocks.h"
#include "WolfFormat.h"

#include <algorithm>
#include <numeric>

namespace wolf {

TWolfBookBuilder::TWolfBookBuilder()
{
    ExtraParameters.fill(0xFFFFFFFF);
}

void TWolfBookBuilder::SetCover(uint16_t width, uint16_t height, uint16_t bitCount, bool compact,
                                const std::string& data)
{
    FCover.clear();
    AppendU16(FCover, compact ? 1 : 0);
    AppendU16(FCover, width);
    AppendU16(FCover, bitCount);
    AppendU16(FCover, 0);
    AppendU16(FCover, height);
    FCover += data;
}

int TWolfBookBuilder::AddTaggedPage(const std::string& tagText, const std::string& data, bool closingTag)
{
    FRecords.push_back("<" + tagText + ">" + data + (closingTag ? "</img>" : ""));
    return static_cast<int>(FRecords.size()) - 1;
}

int TWolfBookBuilder::AddImagePage(int width, int height, int bitCount, bool compact, const std::string& data,
                                   bool closingTag)
{
    return AddTaggedPage("img width=" + std::to_string(width) + " height=" + std::to_string(height) +
                             " bitcount=" + std::to_string(bitCount) + " compact=" + (compact ? "1" : "0") +
                             " length=" + std::to_string(data.size()),
                         data, closingTag);
}

int TWolfBookBuilder::AddTextPage(const std::string& text)
{
    FRecords.push_back(text);
    return static_cast<int>(FRecords.size()) - 1;
}

void TWolfBookBuilder::SetSubcatalog(const TWolfTOCList& toc, bool fillerByte)
{
    FSubcatalog = toc;
    FSubcatalog->SortByDepth();
    FFillerByte = fillerByte;
}

uint32_t TWolfBookBuilder::PageBase() const
{
    return static_cast<uint32_t>(128 + Description.size() + FCover.size());
}

uint32_t TWolfBookBuilder::PageOffset(int pageIndex) const
{
    uint32_t offset = PageBase();
    for (int i = 0; i < pageIndex; ++i) offset += static_cast<uint32_t>(FRecords.at(static_cast<size_t>(i)).size());
    return offset;
}

std::string TWolfBookBuilder::Build() const
{
    std::vector<uint32_t> offsets;
    std::string pageData;
    for (const auto& record : FRecords) {
        offsets.push_back(PageBase() + static_cast<uint32_t>(pageData.size()));
        pageData += record;
    }
    auto relative = [&](int pageIndex) {
        return pageIndex < 0 ? 0u : offsets.at(static_cast<size_t>(pageIndex)) - PageBase();
    };

    TMemoryStream catalog;
    catalog.WriteText(blocks::CatalogStart);
    for (const auto& item : Catalog) WriteCatalogItem(catalog, item.Title, relative(item.PageIndex));
    catalog.WriteText(blocks::CatalogEnd);

    const uint32_t subcatalogOffset = PageBase() + static_cast<uint32_t>(pageData.size() + catalog.Size());
    TMemoryStream subcatalogBlock;
    uint16_t level1 = static_cast<uint16_t>(Catalog.size());
    uint16_t subLevels = 0;
    if (FSubcatalog) {
        WriteSubcatalog(subcatalogBlock, *FSubcatalog, subcatalogOffset, relative);
        level1 = subLevels = 0;
        for (int i = 0; i < FSubcatalog->Count(); ++i) ((*FSubcatalog)[i].Level() == 1 ? level1 : subLevels)++;
    }
    std::string subcatalog = subcatalogBlock.Data();
    if (FSubcatalog && !FFillerByte) subcatalog.erase(subcatalog.size() - blocks::SubcatalogEnd.size() - 1, 1);

    std::vector<uint32_t> entries;
    std::vector<int> order = FEntryOrder;
    if (order.empty()) {
        order.resize(FRecords.size());
        std::iota(order.begin(), order.end(), 0);
    }
    for (int page : order) entries.push_back(offsets.at(static_cast<size_t>(page)));
    entries.insert(entries.end(), FRawEntries.begin(), FRawEntries.end());

    const uint32_t pageTableStart = subcatalogOffset + static_cast<uint32_t>(subcatalog.size());
    std::string pageTable = ShortEntries ? blocks::PageTableTag : "<pagetable>";
    const uint32_t entriesStart = pageTableStart + static_cast<uint32_t>(pageTable.size() + 52 + 12);
    const uint32_t entriesEnd = entriesStart + static_cast<uint32_t>(entries.size() * (ShortEntries ? 4 : 8));
    AppendU32(pageTable, entriesStart);
    AppendU32(pageTable, entriesEnd);
    for (uint32_t parameter : ExtraParameters) AppendU32(pageTable, parameter);
    pageTable += blocks::PageTableEnd;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!ShortEntries) AppendU32(pageTable, static_cast<uint32_t>(i));
        AppendU32(pageTable, entries[i]);
    }

    THeader head = EmptyHeader();
    std::fill_n(head.begin(), header::MagicLength, 0);
    for (size_t i = 0; i < Magic.size() && i < header::MagicLength; ++i) head[i] = static_cast<uint8_t>(Magic[i]);
    PutU16(&head[header::DescriptionLength], static_cast<uint16_t>(Description.size()));
    PutU32(&head[header::CoverLength], static_cast<uint32_t>(FCover.size()));
    PutU32(&head[header::CatalogSize], static_cast<uint32_t>(catalog.Size() + subcatalog.size()));
    PutU16(&head[header::Level1Count], level1);
    PutU32(&head[header::PageDataSize], static_cast<uint32_t>(pageData.size()));
    PutU32(&head[header::PageTableSize], static_cast<uint32_t>(pageTable.size()));
    PutU16(&head[header::SubLevelCount], subLevels);
    PutU32(&head[header::SubcatalogOffset], FSubcatalog ? subcatalogOffset : 0);

    std::string book(reinterpret_cast<const char*>(head.data()), head.size());
    return book + Description + FCover + pageData + catalog.Data() + subcatalog + pageTable;
}

}  // namespace wolf
