// Composes a complete Wolf book from its parts: test books, the sample book and fuzzing
// seeds. Every block can be given raw, so that malformed books can be built as well.
#pragma once

#include "uWolfDefs.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace wolf {

class TWolfBookBuilder {
public:
    TWolfBookBuilder();

    std::string Magic = "WolfEbook1.11";
    std::string Description;  // the description block as it stands in the file
    // The table of contents as catalog items; without a subcatalog the reader uses them.
    struct TCatalogItem {
        std::string Title;
        int PageIndex = -1;  // a page added below, or -1 for offset 0
    };
    std::vector<TCatalogItem> Catalog;
    // Page-table parameters 2 to 12 (0 and FFFFFFFF mean none).
    std::array<uint32_t, 11> ExtraParameters{};
    bool ShortEntries = true;  // 4-byte entries (tag marked "001") or 8-byte ones

    void SetCover(uint16_t width, uint16_t height, uint16_t bitCount, bool compact, const std::string& data);
    // Any bytes as the cover block, its head included (for covers too short to read).
    void SetRawCover(const std::string& block) { FCover = block; }

    int AddImagePage(int width, int height, int bitCount, bool compact, const std::string& data,
                     bool closingTag = true);
    // A record with any tag text and any data after it.
    int AddTaggedPage(const std::string& tagText, const std::string& data, bool closingTag = true);
    int AddTextPage(const std::string& text);
    // Page-table entries in the order written; by default one per page in page order.
    // Entries may repeat pages; RawEntry adds an offset as it is (0 for an invalid entry).
    void SetEntryOrder(const std::vector<int>& pageIndexes) { FEntryOrder = pageIndexes; }
    void AddRawEntry(uint32_t offset) { FRawEntries.push_back(offset); }

    // Adds a subcatalog for these entries (its records in list order after SortByDepth),
    // each PageIndex naming a page added above or -1.
    void SetSubcatalog(const TWolfTOCList& toc, bool fillerByte = true);

    std::string Build() const;
    // Absolute file offset of a page's record in the built book.
    uint32_t PageOffset(int pageIndex) const;
    uint32_t PageBase() const;

private:
    std::string FCover;
    std::vector<std::string> FRecords;
    std::vector<int> FEntryOrder;
    std::vector<uint32_t> FRawEntries;
    std::optional<TWolfTOCList> FSubcatalog;
    bool FFillerByte = true;
};

}  // namespace wolf
