#include "uWolfBuilder.h"

#include "uWolfReader.h"

#include <numeric>

namespace wolf {

namespace {
void Append16(std::string& out, uint16_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}
void Append32(std::string& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}
}  // namespace

TWolfBookBuilder::TWolfBookBuilder() { ExtraParameters.fill(0xFFFFFFFF); }

void TWolfBookBuilder::SetCover(uint16_t width, uint16_t height, uint16_t bitCount, bool compact,
                                const std::string& data)
{
    FCover.clear();
    Append16(FCover, compact ? 1 : 0);
    Append16(FCover, width);
    Append16(FCover, bitCount);
    Append16(FCover, 0);
    Append16(FCover, height);
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

    std::string catalog = "<catalog>";
    for (const auto& item : Catalog) {
        catalog += "<item>" + item.Title + "</item>";
        Append32(catalog, relative(item.PageIndex));
    }
    catalog += "</catalog>";

    const uint32_t subcatalogOffset = PageBase() + static_cast<uint32_t>(pageData.size() + catalog.size());
    std::string subcatalog;
    uint16_t level1 = static_cast<uint16_t>(Catalog.size());
    uint16_t subLevels = 0;
    if (FSubcatalog) {
        const TWolfTOCList& toc = *FSubcatalog;
        const uint32_t recordsStart = subcatalogOffset + 12;
        uint32_t titleCursor = recordsStart + 80u * static_cast<uint32_t>(toc.Count());
        level1 = 0;
        subcatalog = "<subcatalog>";
        for (int i = 0; i < toc.Count(); ++i) {
            uint8_t record[TWolfTOCList::RecordSize];
            toc.FillSubcatalogRecord(i, recordsStart, record);
            PutU32(record, relative(toc[i].PageIndex));
            PutU32(record + 4, titleCursor);
            titleCursor += static_cast<uint32_t>(toc[i].Title().size());
            subcatalog.append(reinterpret_cast<const char*>(record), sizeof record);
            (toc[i].Level() == 1 ? level1 : subLevels)++;
        }
        for (int i = 0; i < toc.Count(); ++i) subcatalog += toc[i].Title();
        if (FFillerByte) subcatalog += '\x08';
        subcatalog += "</subcatalog>";
    }

    std::vector<uint32_t> entries;
    std::vector<int> order = FEntryOrder;
    if (order.empty()) {
        order.resize(FRecords.size());
        std::iota(order.begin(), order.end(), 0);
    }
    for (int page : order) entries.push_back(offsets.at(static_cast<size_t>(page)));
    entries.insert(entries.end(), FRawEntries.begin(), FRawEntries.end());

    const uint32_t pageTableStart = subcatalogOffset + static_cast<uint32_t>(subcatalog.size());
    std::string pageTable = ShortEntries ? "<pagetable version=\"001\">" : "<pagetable>";
    const uint32_t entriesStart = pageTableStart + static_cast<uint32_t>(pageTable.size() + 52 + 12);
    const uint32_t entriesEnd = entriesStart + static_cast<uint32_t>(entries.size() * (ShortEntries ? 4 : 8));
    Append32(pageTable, entriesStart);
    Append32(pageTable, entriesEnd);
    for (uint32_t parameter : ExtraParameters) Append32(pageTable, parameter);
    pageTable += "</pagetable>";
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!ShortEntries) Append32(pageTable, static_cast<uint32_t>(i));
        Append32(pageTable, entries[i]);
    }

    THeader head{};
    for (size_t i = 0; i < Magic.size() && i < header::MagicLength; ++i) head[i] = static_cast<uint8_t>(Magic[i]);
    PutU16(&head[17], 513);
    PutU16(&head[64], 1);
    PutU16(&head[header::DescriptionLength], static_cast<uint16_t>(Description.size()));
    PutU32(&head[header::CoverLength], static_cast<uint32_t>(FCover.size()));
    PutU32(&head[header::CatalogSize], static_cast<uint32_t>(catalog.size() + subcatalog.size()));
    PutU16(&head[header::Level1Count], level1);
    PutU32(&head[header::PageDataSize], static_cast<uint32_t>(pageData.size()));
    PutU32(&head[header::PageTableSize], static_cast<uint32_t>(pageTable.size()));
    PutU16(&head[header::SubLevelCount], subLevels);
    PutU32(&head[header::SubcatalogOffset], FSubcatalog ? subcatalogOffset : 0);

    std::string book(reinterpret_cast<const char*>(head.data()), head.size());
    return book + Description + FCover + pageData + catalog + subcatalog + pageTable;
}

}  // namespace wolf
