// Reads a Wolf book file into the model, and single pages on demand.
#pragma once

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

// Header field positions (all little-endian, packed).
namespace header {
constexpr size_t Size = 128;
constexpr size_t MagicLength = 15;
constexpr size_t DescriptionLength = 23;  // u16
constexpr size_t CoverLength = 25;        // u32
constexpr size_t CatalogSize = 30;        // u32
constexpr size_t Level1Count = 34;        // u16
constexpr size_t PageDataSize = 38;       // u32
constexpr size_t PageTableSize = 60;      // u32
constexpr size_t SubLevelCount = 95;      // u16
constexpr size_t SubcatalogOffset = 97;   // u32
}  // namespace header

using THeader = std::array<uint8_t, header::Size>;
uint16_t GetU16(const uint8_t* p);
uint32_t GetU32(const uint8_t* p);
void PutU16(uint8_t* p, uint16_t value);
void PutU32(uint8_t* p, uint32_t value);

// A decoded page: 8-bit grey, one byte a pixel, rows top first, with the levels
// 0 (black), 128 (dark grey), 192 (light grey) and 255 (white).
struct TGreyImage {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint8_t> Pixels;
    uint8_t Pixel(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
};

// Largest picture a page may have: larger claims are shown as not valid. 32 megapixels,
// far beyond any reading device's screen, keep one decoded page with its working copy
// well under 64 MiB.
constexpr int32_t MaxPageSide = 16384;
constexpr int64_t MaxPagePixels = 32LL * 1024 * 1024;

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

// Splits at CR, LF and CR LF; the text ends at its first NUL byte.
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace wolf
