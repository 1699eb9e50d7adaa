#include "uWolfDefs.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace wolf {

void RaiseWolfError(const std::string& message)
{
    throw EWolf(message);
}

std::string Trim(const std::string& text)
{
    size_t first = 0;
    size_t last = text.size();
    while (first < last && static_cast<uint8_t>(text[first]) <= 32) ++first;
    while (last > first && static_cast<uint8_t>(text[last - 1]) <= 32) --last;
    return text.substr(first, last - first);
}

std::vector<std::string> SplitLines(const std::string& text)
{
    const std::string body = text.substr(0, text.find('\0'));
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < body.size()) {
        const size_t end = body.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(body.substr(start));
            break;
        }
        lines.push_back(body.substr(start, end - start));
        start = end + (body[end] == '\r' && end + 1 < body.size() && body[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix)
{
    return text.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

// ---------------------------------------------------------------- description

const char* const TWolfDescription::Tags[FieldCount] = {"<title>",        "<subject>",      "<author>",
                                                        "<adpter>",       "<translator>",   "<publisher>",
                                                        "<time_publish>", "<introduction>", "<ISBN>"};

void TWolfDescription::Clear()
{
    for (auto& value : FValues) value.clear();
    Size = 0;
}

std::string TWolfDescription::GetField(int index) const
{
    return index >= 0 && index < FieldCount ? FValues[static_cast<size_t>(index)] : std::string();
}

void TWolfDescription::SetField(int index, const std::string& value)
{
    if (index < 0 || index >= FieldCount) return;
    std::string cut = Trim(value.substr(0, static_cast<size_t>(Limits[index])));
    if (cut != FValues[static_cast<size_t>(index)]) {
        FValues[static_cast<size_t>(index)] = std::move(cut);
        RecalcSize();
    }
}

void TWolfDescription::RecalcSize()
{
    size_t size = 18;
    for (int i = 0; i < FieldCount; ++i) size += std::strlen(Tags[i]) + FValues[static_cast<size_t>(i)].size();
    Size = static_cast<int32_t>(size);
}

std::string TWolfDescription::ToText() const
{
    std::string text;
    for (int i = 0; i < FieldCount; ++i) {
        text += Tags[i];
        text += FValues[static_cast<size_t>(i)];
        text += "\r\n";
    }
    return text;
}

namespace {
int TagOfLine(const std::string& line)
{
    for (int i = 0; i < TWolfDescription::FieldCount; ++i)
        if (line.compare(0, std::strlen(TWolfDescription::Tags[i]), TWolfDescription::Tags[i]) == 0) return i;
    return -1;
}
}  // namespace

void TWolfDescription::FromText(const std::string& text)
{
    Clear();
    // Trimming first drops leading zero bytes, which would otherwise end the text at once.
    const std::string trimmed = Trim(text);
    const std::vector<std::string> lines = SplitLines(trimmed.substr(0, trimmed.find('\0')));
    for (size_t i = 0; i < lines.size(); ++i) {
        const int tag = TagOfLine(lines[i]);
        if (tag < 0) continue;
        std::string value = lines[i].substr(std::strlen(Tags[tag]));
        while (i + 1 < lines.size() && TagOfLine(lines[i + 1]) < 0) {
            value += "\r\n";
            value += lines[++i];
        }
        SetField(tag, value);
    }
}

void TWolfDescription::Assign(const TWolfDescription& source)
{
    FValues = source.FValues;
    RecalcSize();
}

// ---------------------------------------------------------------- TOC items

uint32_t TWolfTOCItem::MakeKey(uint8_t n1, uint8_t n2, uint8_t n3)
{
    return (uint32_t{n1} << 16) | (uint32_t{n2} << 8) | n3;
}

int32_t TWolfTOCItem::LevelOfKey(uint32_t key)
{
    if (key & 0xFF) return 3;
    if (key & 0xFF00) return 2;
    return 1;
}

TWolfTOCItem::TWolfTOCItem(uint8_t n1, uint8_t n2, uint8_t n3, const std::string& title, int32_t pageIndex)
    : PageIndex(pageIndex)
{
    SetKey(MakeKey(n1, n2, n3));
    SetTitle(title);
}

TWolfTOCItem TWolfTOCItem::CreateFromKey(uint32_t key, const std::string& title, int32_t pageIndex)
{
    TWolfTOCItem item(0, 0, 0, title, pageIndex);
    item.SetKey(key);
    return item;
}

uint8_t TWolfTOCItem::GetNumber(int depth) const
{
    if (depth < 1 || depth > 3) return 0;
    return static_cast<uint8_t>(FKey >> (8 * (3 - depth)));
}

void TWolfTOCItem::SetNumber(int depth, uint8_t value)
{
    if (depth < 1 || depth > 3 || GetNumber(depth) == value) return;
    const int shift = 8 * (3 - depth);
    SetKey((FKey & ~(uint32_t{0xFF} << shift)) | (uint32_t{value} << shift));
}

void TWolfTOCItem::SetKey(uint32_t key)
{
    FKey = key;
    FLevel = LevelOfKey(key);
}

void TWolfTOCItem::SetTitle(const std::string& title)
{
    if (title != FTitle) FTitle = title.substr(0, MaxTitle);
}

uint32_t TWolfTOCItem::ParentKey() const
{
    if (FLevel == 1) return 0;
    TWolfTOCItem parent = *this;
    parent.SetNumber(FLevel, 0);
    return parent.Key();
}

uint32_t TWolfTOCItem::PrevSiblingKey() const
{
    const uint8_t own = GetNumber(FLevel);
    if (own <= 1) return 0;
    TWolfTOCItem sibling = *this;
    sibling.SetNumber(FLevel, static_cast<uint8_t>(own - 1));
    return sibling.Key();
}

uint32_t TWolfTOCItem::NextSiblingKey() const
{
    const uint8_t own = GetNumber(FLevel);
    if (own == 255) return 0;
    TWolfTOCItem sibling = *this;
    sibling.SetNumber(FLevel, static_cast<uint8_t>(own + 1));
    return sibling.Key();
}

uint32_t TWolfTOCItem::FirstChildKey() const
{
    if (FLevel == 3) return 0;
    TWolfTOCItem child = *this;
    child.SetNumber(FLevel + 1, 1);
    return child.Key();
}

bool TWolfTOCItem::IsParentOf(const TWolfTOCItem& other) const
{
    return other.Level() == FLevel + 1 && other.ParentKey() == FKey;
}

// ---------------------------------------------------------------- TOC list

TWolfTOCItem& TWolfTOCList::AddItem(uint8_t n1, uint8_t n2, uint8_t n3, const std::string& title, int32_t pageIndex)
{
    return Add(TWolfTOCItem(n1, n2, n3, title, pageIndex));
}

TWolfTOCItem& TWolfTOCList::AddItemWithKey(uint32_t key, const std::string& title, int32_t pageIndex)
{
    return Add(TWolfTOCItem::CreateFromKey(key, title, pageIndex));
}

void TWolfTOCList::SortByKey()
{
    std::sort(FItems.begin(), FItems.end(), [](const auto& a, const auto& b) { return a->Key() < b->Key(); });
}

void TWolfTOCList::SortByDepth()
{
    auto depthKey = [](const TWolfTOCItem& item) {
        return TWolfTOCItem::MakeKey(item.GetNumber(3), item.GetNumber(2), item.GetNumber(1));
    };
    std::sort(FItems.begin(), FItems.end(), [&](const auto& a, const auto& b) { return depthKey(*a) < depthKey(*b); });
}

int TWolfTOCList::IndexOfKey(uint32_t key) const
{
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i]->Key() == key) return static_cast<int>(i);
    return -1;
}

TWolfTOCList::TKeyIndex::TKeyIndex(const TWolfTOCList& list)
{
    for (int i = 0; i < list.Count(); ++i) {
        const TWolfTOCItem& item = list[i];
        FFirstIndex.emplace(item.Key(), i);
        // Counted for its parent exactly when the parent's IsParentOf would say so.
        const uint32_t parent = item.ParentKey();
        if (item.Level() == TWolfTOCItem::LevelOfKey(parent) + 1) ++FChildCount[parent];
    }
}

int TWolfTOCList::TKeyIndex::IndexOfKey(uint32_t key) const
{
    const auto found = FFirstIndex.find(key);
    return found == FFirstIndex.end() ? -1 : found->second;
}

uint16_t TWolfTOCList::TKeyIndex::ChildCount(uint32_t key) const
{
    const auto found = FChildCount.find(key);
    return found == FChildCount.end() ? 0 : static_cast<uint16_t>(found->second);
}

void TWolfTOCList::FillSubcatalogRecord(int index, uint32_t recordsStart, uint8_t (&record)[RecordSize]) const
{
    FillSubcatalogRecord(index, recordsStart, record, TKeyIndex(*this));
}

void TWolfTOCList::FillSubcatalogRecord(int index, uint32_t recordsStart, uint8_t (&record)[RecordSize],
                                        const TKeyIndex& keys) const
{
    const TWolfTOCItem& item = (*this)[index];
    std::memset(record, 0, RecordSize);
    auto link = [&](uint32_t key) -> uint32_t {
        const int n = key == 0 ? -1 : keys.IndexOfKey(key);
        return n < 0 ? 0 : static_cast<uint32_t>(recordsStart + RecordSize * static_cast<uint32_t>(n));
    };
    namespace at = wolf::record;
    PutU16(record + at::TitleLength, static_cast<uint16_t>(item.Title().size()));
    PutU16(record + at::ChildCount, keys.ChildCount(item.Key()));
    PutU32(record + at::PrevSibling, link(item.PrevSiblingKey()));
    PutU32(record + at::NextSibling, link(item.NextSiblingKey()));
    PutU32(record + at::FirstChild, link(item.FirstChildKey()));
    PutU32(record + at::Parent, link(item.ParentKey()));
    record[at::Number3] = item.GetNumber(3);
    record[at::Number2] = item.GetNumber(2);
    record[at::Number1] = item.GetNumber(1);
    std::memcpy(record + at::ShortTitle, item.Title().data(), std::min(item.Title().size(), at::ShortTitleWritten));
}

// ---------------------------------------------------------------- pages

TWolfPageItem& TWolfPageList::AddPage(int32_t width, int32_t height, bool compact, int32_t bitCount, uint32_t offset,
                                      uint32_t dataOffset, uint32_t dataLength)
{
    FItems.push_back(TWolfPageItem{width, height, compact, bitCount, offset, dataOffset, dataLength});
    return FItems.back();
}

TWolfPageItem& TWolfPageList::AddPageAt(uint32_t offset)
{
    return AddPage(0, 0, false, 0, offset, 0, 0);
}

int TWolfPageList::FindByOffset(uint32_t offset) const
{
    for (size_t i = 0; i < FItems.size(); ++i) {
        const uint32_t page = FItems[i].Offset;
        const uint32_t distance = page > offset ? page - offset : offset - page;
        if (distance <= 9) return static_cast<int>(i);
    }
    return -1;
}

void TWolfPageList::SortByOffset()
{
    std::sort(FItems.begin(), FItems.end(), [](const auto& a, const auto& b) { return a.Offset < b.Offset; });
}

void TWolfPageList::RemoveDuplicateOffsets()
{
    FItems.erase(
        std::unique(FItems.begin(), FItems.end(), [](const auto& a, const auto& b) { return a.Offset == b.Offset; }),
        FItems.end());
}

}  // namespace wolf
