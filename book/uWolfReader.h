// Reads a Wolf book file into the model, and single pages on demand.
#pragma once

#include "PageDecoder.h"
#include "WolfFormat.h"
#include "WolfStream.h"
#include "uWolfDefs.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace wolf {

// Token readers, shared with the rewriter. None reads a byte beyond what it returns or compares.
std::string ReadTag(TStream& stream);
std::string ReadUntil(TStream& stream, const std::string& terminator);
bool ExpectText(TStream& stream, const std::string& literal);

class TWolfReader {
public:
    TWolfReader() { Clear(); }

    THeader Header{};
    TWolfDescription Description;
    TWolfPageItem Cover;
    TWolfTOCList TOC;
    TWolfPageList Pages;

    void Clear();
    void ResetHeader();
    bool HasCover() const;
    bool HasSubcatalog() const;

    uint16_t DescriptionLength() const;
    uint32_t CoverLength() const;
    uint32_t CatalogSize() const;
    uint16_t Level1Count() const;
    uint32_t PageDataSize() const;
    uint32_t PageTableSize() const;
    uint16_t SubLevelCount() const;
    uint32_t SubcatalogOffset() const;
    uint32_t PageBase() const;  // 128 + DescriptionLength + CoverLength, in 32 bits

    void ReadHeader(TStream& stream);
    void ReadDescription(TStream& stream);
    void ReadCover(TStream& stream);
    void ReadPageTable(TStream& stream);
    void ReadPageDescriptions(TStream& stream);
    void ReadCatalog(TStream& stream);
    void ReadSubcatalog(TStream& stream);
    void ReadPageInfo(TStream& stream, TWolfPageItem& page);
    void ParseImageTag(const std::string& tag, TWolfPageItem& page);

    // The whole open sequence on a stream: header, description, cover, page table,
    // page descriptions, then subcatalog or catalog; a catalog of one entry counts as
    // no table of contents. Returns true when the contents came from the subcatalog.
    // On failure the reader is cleared and the error passed on.
    bool Open(TStream& stream);

    // Decodes an image page or the cover (see PageDecoder.cpp).
    void DecodePage(TStream& stream, TWolfPageItem& page, TGreyImage& image);
    // The lines of a text page, entities replaced.
    void ReadTextPage(TStream& stream, const TWolfPageItem& page, std::vector<std::string>& lines);
};

}  // namespace wolf
