#include "uWolfReplacer.h"

#include "ReplacerBlocks.h"
#include "uWolfReader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>
#include <vector>

namespace wolf {

namespace {

constexpr size_t PageTableParameters = blocks::PageTableParameters;
constexpr size_t EntryChunk = 64 * 1024;

void WriteTag(TStream& destination, const std::string& tag)
{
    destination.WriteText("<" + tag + ">");
}

void ShiftField(uint8_t* field, int64_t distance)
{
    PutU32(field, ShiftOffset(GetU32(field), distance));
}

void ShiftOffsets(uint8_t* values, size_t count, int64_t distance)
{
    for (size_t i = 0; i < count; ++i) ShiftField(values + 4 * i, distance);
}

}  // namespace

namespace replacer {

THeader StartRewrite(TStream& source, TStream& destination)
{
    source.Seek(0, TSeekOrigin::Begin);
    destination.Seek(0, TSeekOrigin::Begin);
    THeader header;
    source.ReadBuffer(header.data(), header.size());
    return header;
}

void CopyBlock(TStream& source, TStream& destination, uint64_t count)
{
    if (count != 0) destination.CopyFrom(source, count);
}

void CheckBookSize(int64_t newSize)
{
    if (newSize > int64_t{std::numeric_limits<uint32_t>::max()})
        RaiseWolfError("The book would grow beyond 4 GB, which its 32-bit offsets cannot address");
}

}  // namespace replacer

uint32_t ShiftOffset(uint32_t value, int64_t distance)
{
    if (value == 0 || value == 0xFFFFFFFFu) return value;
    return static_cast<uint32_t>(value + static_cast<uint64_t>(distance));
}

void CopyCatalog(TStream& source, TStream& destination)
{
    if (!ExpectText(source, blocks::CatalogStart)) RaiseWolfError("Bad Wolf catalog");
    destination.WriteText(blocks::CatalogStart);
    std::string tag = ReadTag(source);
    WriteTag(destination, tag);
    while (tag == "item") {
        destination.WriteText(ReadUntil(source, blocks::ItemEnd));
        destination.WriteText(blocks::ItemEnd);
        destination.CopyFrom(source, 4);  // page position, relative to the page data
        tag = ReadTag(source);
        WriteTag(destination, tag);
    }
}

void CopySubcatalog(TStream& source, TStream& destination, uint32_t recordCount, int64_t distance, uint64_t movingFrom)
{
    if (!ExpectText(source, blocks::SubcatalogStart)) RaiseWolfError("Bad Wolf subcatalog");
    destination.WriteText(blocks::SubcatalogStart);
    // A title must lie in bytes that move unchanged: between the description and the
    // records, or in the titles area. In front of the moving part it would keep its place
    // while its offset moved; over the records or the page table it would be read from
    // positions the move rewrites.
    const uint64_t recordsStart = source.Position();
    const uint64_t recordsEnd = recordsStart + uint64_t{record::Size} * recordCount;
    uint64_t titlesLength = 0;
    uint64_t titlesEnd = recordsEnd;
    for (uint32_t i = 0; i < recordCount; ++i) {
        uint8_t bytes[record::Size];
        source.ReadBuffer(bytes, record::Size);
        const uint16_t titleLength = GetU16(bytes + record::TitleLength);
        const uint64_t titleStart = GetU32(bytes + record::TitleOffset);
        const uint64_t titleEnd = titleStart + titleLength;
        if (titleLength != 0) {
            if (titleStart < movingFrom || (titleStart < recordsEnd && titleEnd > recordsStart))
                RaiseWolfError("Bad Wolf subcatalog");
            if (titleStart >= recordsEnd) titlesEnd = std::max(titlesEnd, titleEnd);
        }
        for (size_t field : record::OffsetFields) ShiftField(bytes + field, distance);
        destination.WriteBuffer(bytes, record::Size);
        titlesLength += titleLength;
    }
    if (titlesEnd > recordsEnd + titlesLength) RaiseWolfError("Bad Wolf subcatalog");
    replacer::CopyBlock(source, destination, titlesLength);
    // An optional filler byte may stand before the closing tag.
    const uint64_t beforeFiller = source.Position();
    const uint8_t filler = source.ReadByte();
    if (filler == '<')
        source.Seek(static_cast<int64_t>(beforeFiller), TSeekOrigin::Begin);
    else
        destination.WriteBuffer(&filler, 1);
    if (!ExpectText(source, blocks::SubcatalogEnd)) RaiseWolfError("Bad Wolf subcatalog");
    destination.WriteText(blocks::SubcatalogEnd);
}

void CopyPageTable(TStream& source, TStream& destination, int64_t entryDistance, int64_t parameterDistance)
{
    const std::string tag = ReadTag(source);
    if (tag.empty() || !StartsWithNoCase(tag, "pagetable")) RaiseWolfError("Bad Wolf page table");
    WriteTag(destination, tag);
    uint8_t parameters[PageTableParameters * 4];
    source.ReadBuffer(parameters, sizeof parameters);
    if (!ExpectText(source, blocks::PageTableEnd)) RaiseWolfError("Bad Wolf page table");
    // Entries anywhere but behind the tag would not move with the page table, and the new
    // book would read its pages from other bytes.
    const uint32_t entriesStart = GetU32(parameters);
    if (entriesStart < source.Position() || entriesStart > source.Size()) RaiseWolfError("Bad Wolf page table");
    // An end that would move below the file's start wraps to 4 GB: the new book would read
    // entries until it ran out of file.
    const uint32_t entriesEnd = GetU32(parameters + 4);
    const int64_t movedEnd = int64_t{entriesEnd} + parameterDistance;
    if (entriesEnd != 0 && entriesEnd != 0xFFFFFFFF && (movedEnd < 0 || movedEnd > int64_t{UINT32_MAX}))
        RaiseWolfError("Bad Wolf page table");
    ShiftOffsets(parameters, PageTableParameters, parameterDistance);
    destination.WriteBuffer(parameters, sizeof parameters);
    destination.WriteText(blocks::PageTableEnd);

    // The rest of the file is a run of 32-bit offsets, moved a chunk at a time.
    std::vector<uint8_t> chunk(EntryChunk);
    uint64_t left = source.Size() - std::min(source.Size(), source.Position());
    while (left > 0) {
        const size_t count = static_cast<size_t>(std::min<uint64_t>(chunk.size(), left)) & ~size_t{3};
        if (count == 0) throw EReadError();  // a partial value at the end
        source.ReadBuffer(chunk.data(), count);
        ShiftOffsets(chunk.data(), count / 4, entryDistance);
        destination.WriteBuffer(chunk.data(), count);
        left -= count;
    }
}

void ReplaceDescription(TStream& source, TStream& destination, const TWolfDescription& description)
{
    // The field limits keep a description far below what the header can hold: only a size
    // set by hand can pass it, and it is told as such.
    if (description.Size > std::numeric_limits<uint16_t>::max())
        RaiseWolfError("The description is " + std::to_string(description.Size) +
                       " bytes long; a book holds at most 65535");
    const std::string text = description.ToText();
    if (description.Size < 0 || static_cast<size_t>(description.Size) > text.size())
        RaiseWolfError("The description's size does not match its text");

    THeader header = replacer::StartRewrite(source, destination);
    const uint16_t oldLength = GetU16(&header[header::DescriptionLength]);
    const uint16_t newLength = static_cast<uint16_t>(description.Size);
    const int64_t distance = int64_t{newLength} - oldLength;
    replacer::CheckBookSize(static_cast<int64_t>(source.Size()) + distance);

    PutU16(&header[header::DescriptionLength], newLength);
    const uint32_t subcatalogOffset = ShiftOffset(GetU32(&header[header::SubcatalogOffset]), distance);
    PutU32(&header[header::SubcatalogOffset], subcatalogOffset);
    destination.WriteBuffer(header.data(), header.size());
    destination.WriteBuffer(text.data(), newLength);

    source.Seek(oldLength, TSeekOrigin::Current);
    replacer::CopyBlock(source, destination, GetU32(&header[header::CoverLength]));
    replacer::CopyBlock(source, destination, GetU32(&header[header::PageDataSize]));
    CopyCatalog(source, destination);
    if (subcatalogOffset != 0) {
        const uint32_t records =
            uint32_t{GetU16(&header[header::Level1Count])} + GetU16(&header[header::SubLevelCount]);
        CopySubcatalog(source, destination, records, distance, header.size() + oldLength);
    }
    // Bytes in front of the page table that readers use would be copied into it, and no
    // reader would find it again.
    const uint64_t here = source.Position();
    const uint32_t pageTableSize = GetU32(&header[header::PageTableSize]);
    if (pageTableSize <= source.Size() && here != source.Size() - pageTableSize) {
        source.Seek(-static_cast<int64_t>(pageTableSize), TSeekOrigin::End);
        if (StartsWithNoCase(ReadTag(source), "pagetable")) RaiseWolfError("Bad Wolf page table");
        source.Seek(static_cast<int64_t>(here), TSeekOrigin::Begin);
    }
    CopyPageTable(source, destination, distance, distance);
}

}  // namespace wolf
