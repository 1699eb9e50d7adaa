#include "uWolfReader.h"

#include <algorithm>
#include <cstring>

namespace wolf {

// ---------------------------------------------------------------- helpers

namespace {
void ReplaceAll(std::string& text, const std::string& from, const std::string& to)
{
    std::string result;
    size_t start = 0;
    for (size_t at; (at = text.find(from, start)) != std::string::npos; start = at + from.size()) {
        result.append(text, start, at - start);
        result += to;
    }
    result.append(text, start, std::string::npos);
    text = std::move(result);
}

// The reader's integer conversion: a whole decimal number, anything else is -1.
int64_t ParseAttributeNumber(const std::string& text)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) return -1;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
        if (value > INT32_MAX) return -1;
    }
    return negative ? -value : value;
}
}  // namespace

// ---------------------------------------------------------------- token readers

std::string ReadTag(TStream& stream)
{
    if (stream.ReadByte() != '<') return {};
    // Reads ahead in small chunks and steps back behind the '>', so no byte after it is consumed.
    std::string tag;
    char chunk[64];
    for (;;) {
        const size_t n = stream.Read(chunk, sizeof chunk);
        if (n == 0) throw EReadError();
        const auto* close = static_cast<const char*>(std::memchr(chunk, '>', n));
        if (close) {
            tag.append(chunk, static_cast<size_t>(close - chunk));
            stream.Seek(-static_cast<int64_t>(n - static_cast<size_t>(close - chunk) - 1), TSeekOrigin::Current);
            return tag;
        }
        tag.append(chunk, n);
    }
}

std::string ReadUntil(TStream& stream, const std::string& terminator)
{
    if (terminator.empty()) return {};
    std::string text = stream.ReadString(terminator.size());
    while (text.compare(text.size() - terminator.size(), terminator.size(), terminator) != 0)
        text += static_cast<char>(stream.ReadByte());
    text.resize(text.size() - terminator.size());
    return text;
}

bool ExpectText(TStream& stream, const std::string& literal)
{
    if (literal.empty()) return true;
    return stream.ReadString(literal.size()) == literal;
}

// ---------------------------------------------------------------- header

uint16_t TWolfReader::DescriptionLength() const
{
    return GetU16(&Header[header::DescriptionLength]);
}
uint32_t TWolfReader::CoverLength() const
{
    return GetU32(&Header[header::CoverLength]);
}
uint32_t TWolfReader::CatalogSize() const
{
    return GetU32(&Header[header::CatalogSize]);
}
uint16_t TWolfReader::Level1Count() const
{
    return GetU16(&Header[header::Level1Count]);
}
uint32_t TWolfReader::PageDataSize() const
{
    return GetU32(&Header[header::PageDataSize]);
}
uint32_t TWolfReader::PageTableSize() const
{
    return GetU32(&Header[header::PageTableSize]);
}
uint16_t TWolfReader::SubLevelCount() const
{
    return GetU16(&Header[header::SubLevelCount]);
}
uint32_t TWolfReader::SubcatalogOffset() const
{
    return GetU32(&Header[header::SubcatalogOffset]);
}
uint32_t TWolfReader::PageBase() const
{
    return 128u + DescriptionLength() + CoverLength();
}
bool TWolfReader::HasCover() const
{
    return CoverLength() != 0;
}
bool TWolfReader::HasSubcatalog() const
{
    return SubcatalogOffset() != 0;
}

void TWolfReader::ResetHeader()
{
    Header = EmptyHeader();
}

void TWolfReader::Clear()
{
    ResetHeader();
    Description.Clear();
    Cover = TWolfPageItem{};
    TOC.Clear();
    Pages.Clear();
}

void TWolfReader::ReadHeader(TStream& stream)
{
    stream.Seek(0, TSeekOrigin::Begin);
    stream.ReadBuffer(Header.data(), Header.size());
    const char* magic = reinterpret_cast<const char*>(Header.data());
    const std::string signature(magic, strnlen(magic, header::MagicLength));
    if (signature.empty() || !StartsWithNoCase(signature, header::MagicPrefix))
        RaiseWolfError("This is not a Wolf file");
}

void TWolfReader::ReadDescription(TStream& stream)
{
    stream.Seek(128, TSeekOrigin::Begin);
    Description.FromText(stream.ReadString(DescriptionLength()));
}

void TWolfReader::ReadCover(TStream& stream)
{
    Cover = TWolfPageItem{};
    if (!HasCover()) return;
    stream.Seek(128 + DescriptionLength(), TSeekOrigin::Begin);
    uint8_t head[coverhead::Size];
    stream.ReadBuffer(head, sizeof head);
    Cover.Compact = GetU16(head + coverhead::Compact) == 1;
    Cover.Width = GetU16(head + coverhead::Width);
    Cover.BitCount = GetU16(head + coverhead::BitCount);
    Cover.Height = GetU16(head + coverhead::Height);
    Cover.Offset = 128u + DescriptionLength();
    Cover.DataOffset = Cover.Offset + coverhead::Size;
    Cover.DataLength = CoverLength() - coverhead::Size;  // wraps for lengths 1 to 9: such a cover cannot be read
}

void TWolfReader::ReadPageTable(TStream& stream)
{
    Pages.Clear();
    stream.Seek(-static_cast<int64_t>(PageTableSize()), TSeekOrigin::End);
    const std::string tag = ReadTag(stream);
    if (tag.empty() || !StartsWithNoCase(tag, "pagetable")) RaiseWolfError("Bad Wolf page table");
    uint32_t parameters[blocks::PageTableParameters];
    for (auto& p : parameters) p = stream.ReadU32();
    const uint32_t entriesEnd = parameters[1];
    const bool shortEntries = tag.find("\"001\"") != std::string::npos;
    stream.Seek(parameters[0], TSeekOrigin::Begin);
    // Every entry takes file bytes, so a book cannot claim more pages than its size backs.
    const uint64_t entrySize = shortEntries ? 4 : 8;
    const uint64_t available = stream.Size() > parameters[0] ? stream.Size() - parameters[0] : 0;
    const uint64_t claimed = entriesEnd > parameters[0] ? entriesEnd - parameters[0] : 0;
    Pages.Reserve(static_cast<size_t>(std::min(available, claimed) / entrySize + 1));
    do {
        if (!shortEntries) stream.ReadU32();
        Pages.AddPageAt(stream.ReadU32());
    } while (stream.Position() < entriesEnd);
    Pages.SortByOffset();
    Pages.RemoveDuplicateOffsets();
}

void TWolfReader::ReadPageDescriptions(TStream& stream)
{
    const uint32_t pageDataEnd = PageBase() + PageDataSize();
    // Text pages run to the next page as the page table gave it, before any tags were stepped over.
    std::vector<uint32_t> tableOffsets;
    tableOffsets.reserve(static_cast<size_t>(Pages.Count()));
    for (int i = 0; i < Pages.Count(); ++i) tableOffsets.push_back(Pages[i].Offset);

    for (int i = 0; i < Pages.Count(); ++i) {
        TWolfPageItem& page = Pages[i];
        if (page.Offset == 0) continue;
        stream.Seek(page.Offset, TSeekOrigin::Begin);
        std::string tag = ReadTag(stream);
        if (tag == "catalog") {
            page.Offset = static_cast<uint32_t>(stream.Position());
            tag = ReadTag(stream);
        }
        if (tag == "/img") {
            page.Offset = static_cast<uint32_t>(stream.Position());
            tag = ReadTag(stream);
        }
        if (tag.empty()) {
            page.DataOffset = page.Offset;
            const uint32_t end = i + 1 < Pages.Count() ? tableOffsets[static_cast<size_t>(i) + 1] : pageDataEnd;
            page.DataLength = end - page.Offset;
        } else if (StartsWithNoCase(tag, "img")) {
            ParseImageTag(tag, page);
        } else {
            page.Offset = 0;
        }
    }
}

void TWolfReader::ParseImageTag(const std::string& tag, TWolfPageItem& page)
{
    static const char* const Names[] = {"bitcount=", "compact=", "width=", "height=", "length="};
    std::string rest = Trim(tag.size() > 4 ? tag.substr(4) : std::string());
    while (!rest.empty()) {
        const size_t blank = rest.find(' ');
        const std::string word = rest.substr(0, blank);
        rest = blank == std::string::npos ? std::string() : Trim(rest.substr(blank));
        for (int n = 0; n < 5; ++n) {
            const size_t length = std::strlen(Names[n]);
            if (word.compare(0, length, Names[n]) != 0) continue;
            const int64_t value = ParseAttributeNumber(word.substr(length));
            if (value < 0) RaiseWolfError("Bad Wolf page description");
            const auto v = static_cast<int32_t>(value);
            switch (n) {
            case 0: page.BitCount = v; break;
            case 1: page.Compact = v == 1; break;
            case 2: page.Width = v; break;
            case 3: page.Height = v; break;
            case 4: page.DataLength = static_cast<uint32_t>(v); break;
            }
            break;
        }
    }
}

// ---------------------------------------------------------------- table of contents

namespace {
// Sorts the table of contents by key however the step ends.
struct TSortOnExit {
    TWolfTOCList& TOC;
    ~TSortOnExit() { TOC.SortByKey(); }
};
}  // namespace

void TWolfReader::ReadCatalog(TStream& stream)
{
    TOC.Clear();
    const uint32_t distance = CatalogSize() + PageTableSize();
    stream.Seek(-static_cast<int64_t>(distance), TSeekOrigin::End);
    if (!ExpectText(stream, blocks::CatalogStart)) RaiseWolfError("Bad Wolf catalog");
    TSortOnExit sortOnExit{TOC};
    std::string tag = ReadTag(stream);
    uint32_t count = 0;
    while (tag == "item") {
        const std::string title = ReadUntil(stream, blocks::ItemEnd);
        const uint32_t offset = stream.ReadU32();
        const int page = Pages.FindByOffset(PageBase() + offset);
        ++count;
        TOC.AddItem(static_cast<uint8_t>(count), 0, 0, title, page);
        tag = ReadTag(stream);
    }
    if (tag != "/catalog") RaiseWolfError("Bad Wolf catalog");
}

void TWolfReader::ReadSubcatalog(TStream& stream)
{
    TOC.Clear();
    if (!HasSubcatalog()) return;
    stream.Seek(SubcatalogOffset(), TSeekOrigin::Begin);
    if (!ExpectText(stream, blocks::SubcatalogStart)) RaiseWolfError("Bad Wolf subcatalog");
    TSortOnExit sortOnExit{TOC};
    const int records = Level1Count() + SubLevelCount();
    const uint64_t size = stream.Size();
    uint64_t titlesTotal = 0;
    for (int n = 0; n < records; ++n) {
        uint8_t bytes[record::Size];
        stream.ReadBuffer(bytes, sizeof bytes);
        const uint32_t pageOffset = GetU32(bytes + record::PageOffset);
        const int page = pageOffset > size ? -1 : Pages.FindByOffset(PageBase() + pageOffset);
        const uint16_t titleLength = GetU16(bytes + record::TitleLength);
        const char* shortTitle = reinterpret_cast<const char*>(bytes + record::ShortTitle);
        std::string title(shortTitle, strnlen(shortTitle, record::ShortTitleField));
        if (titleLength > 0) {
            const uint64_t resume = stream.Position();
            try {
                const uint32_t titleOffset = GetU32(bytes + record::TitleOffset);
                // The model keeps only the first MaxTitle bytes: the rest must lie in the file
                // but is not read, so that 65535 titles of 64 KiB cost no time.
                if (uint64_t{titleOffset} + titleLength > size) throw EReadError();
                stream.Seek(titleOffset, TSeekOrigin::Begin);
                title = stream.ReadString(std::min<uint64_t>(titleLength, TWolfTOCItem::MaxTitle));
            } catch (...) {
                stream.Seek(static_cast<int64_t>(resume), TSeekOrigin::Begin);
                throw;
            }
            stream.Seek(static_cast<int64_t>(resume), TSeekOrigin::Begin);
        }
        TOC.AddItem(bytes[record::Number1], bytes[record::Number2], bytes[record::Number3], title, page);
        titlesTotal += titleLength;
    }
    stream.Seek(static_cast<int64_t>(titlesTotal), TSeekOrigin::Current);
    if (stream.ReadByte() == '<') stream.Seek(-1, TSeekOrigin::Current);
    if (!ExpectText(stream, blocks::SubcatalogEnd)) RaiseWolfError("Bad Wolf subcatalog");
}

// ---------------------------------------------------------------- opening

bool TWolfReader::Open(TStream& stream)
{
    try {
        Clear();
        ReadHeader(stream);
        ReadDescription(stream);
        ReadCover(stream);
        ReadPageTable(stream);
        ReadPageDescriptions(stream);
        if (HasSubcatalog()) {
            ReadSubcatalog(stream);
            return true;
        }
        ReadCatalog(stream);
        // A book without a table of contents carries a single catalog item.
        if (TOC.Count() == 1) TOC.Clear();
        return false;
    } catch (...) {
        Clear();
        throw;
    }
}

// ---------------------------------------------------------------- single pages

void TWolfReader::ReadPageInfo(TStream& stream, TWolfPageItem& page)
{
    if (page.Offset == 0) return;
    try {
        stream.Seek(page.Offset, TSeekOrigin::Begin);
        std::string tag = ReadTag(stream);
        if (tag == "catalog") {
            page.Offset = static_cast<uint32_t>(stream.Position());
            tag = ReadTag(stream);
        }
        if (tag.empty() || !StartsWithNoCase(tag, "img")) RaiseWolfError("Bad Wolf page description");
        ParseImageTag(tag, page);
    } catch (...) {
        page.Offset = 0;
        throw;
    }
}

void TWolfReader::ReadTextPage(TStream& stream, const TWolfPageItem& page, std::vector<std::string>& lines)
{
    lines.clear();
    if (page.Offset == 0 || page.DataOffset == 0) return;
    stream.Seek(page.DataOffset, TSeekOrigin::Begin);
    std::string text = stream.ReadString(page.DataLength);
    const size_t catalog = text.find("</catalog>");
    if (catalog != std::string::npos) text.resize(catalog);
    ReplaceAll(text, "&squot;", "'");
    ReplaceAll(text, "&quot;", "\"");
    ReplaceAll(text, "&lt;", "<");
    ReplaceAll(text, "&gt;", ">");
    ReplaceAll(text, "&amp;", "&");
    lines = SplitLines(Trim(text));
}

}  // namespace wolf
