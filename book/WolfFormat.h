// The byte layout of a Wolf book: header fields, subcatalog records, the fixed texts of the
// catalog blocks, and the little-endian integers they are made of. Everything that reads or
// writes a book takes positions and sizes from here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace wolf {

inline uint16_t GetU16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
inline uint32_t GetU32(const uint8_t* p)
{
    return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}
inline void PutU16(uint8_t* p, uint16_t value)
{
    p[0] = static_cast<uint8_t>(value);
    p[1] = static_cast<uint8_t>(value >> 8);
}
inline void PutU32(uint8_t* p, uint32_t value)
{
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
}
inline void AppendU16(std::string& out, uint16_t value)
{
    uint8_t bytes[2];
    PutU16(bytes, value);
    out.append(reinterpret_cast<const char*>(bytes), sizeof bytes);
}
inline void AppendU32(std::string& out, uint32_t value)
{
    uint8_t bytes[4];
    PutU32(bytes, value);
    out.append(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

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
constexpr const char* Magic = "WolfEbook1.11";
constexpr const char* MagicPrefix = "WolfEbook";
}  // namespace header

using THeader = std::array<uint8_t, header::Size>;

// The header of an empty book: the signature and the two values every book carries.
inline THeader EmptyHeader()
{
    THeader head{};
    std::memcpy(head.data(), header::Magic, std::strlen(header::Magic));
    PutU16(&head[17], 513);
    PutU16(&head[64], 1);
    return head;
}

// The 10-byte head in front of the cover's image data.
namespace coverhead {
constexpr size_t Size = 10;
constexpr size_t Compact = 0;   // u16, 1 = compacted
constexpr size_t Width = 2;     // u16
constexpr size_t BitCount = 4;  // u16
constexpr size_t Height = 8;    // u16
}  // namespace coverhead

// A subcatalog record; the five offset fields are absolute, PageOffset is relative to the page data.
namespace record {
constexpr size_t Size = 80;
constexpr size_t PageOffset = 0;    // u32
constexpr size_t TitleOffset = 4;   // u32
constexpr size_t TitleLength = 8;   // u16
constexpr size_t ChildCount = 10;   // u16
constexpr size_t PrevSibling = 12;  // u32
constexpr size_t NextSibling = 16;  // u32
constexpr size_t FirstChild = 20;   // u32
constexpr size_t Parent = 24;       // u32
constexpr size_t Number3 = 28;
constexpr size_t Number2 = 29;
constexpr size_t Number1 = 30;
constexpr size_t ShortTitle = 32;
constexpr size_t ShortTitleField = 48;
constexpr size_t ShortTitleWritten = 40;
constexpr size_t OffsetFields[] = {TitleOffset, PrevSibling, NextSibling, FirstChild, Parent};
}  // namespace record

// The fixed texts of the catalog, subcatalog and page-table blocks.
namespace blocks {
inline const std::string CatalogStart = "<catalog>";
inline const std::string CatalogEnd = "</catalog>";
inline const std::string ItemStart = "<item>";
inline const std::string ItemEnd = "</item>";
inline const std::string SubcatalogStart = "<subcatalog>";
inline const std::string SubcatalogEnd = "</subcatalog>";
constexpr uint8_t SubcatalogFiller = 8;
constexpr uint64_t ItemFrame = 6 + 7 + 4;                               // "<item>", "</item>", page position
constexpr uint64_t CatalogFrame = 9 + 10;                               // "<catalog>", "</catalog>"
constexpr uint64_t SubcatalogFrame = 12 + 1 + 13;                       // "<subcatalog>", filler, "</subcatalog>"
inline const std::string PageTableTag = "<pagetable version=\"001\">";  // 4-byte entries
inline const std::string PageTableEnd = "</pagetable>";
constexpr size_t PageTableParameters = 13;
constexpr uint32_t NoOffset = 0xFFFFFFFF;
}  // namespace blocks

}  // namespace wolf
