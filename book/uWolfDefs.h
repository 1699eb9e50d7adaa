// The in-memory book: description, table of contents, page list, and EWolf.
// All texts are byte strings; nothing here knows about character sets.
#pragma once

#include "WolfFormat.h"

#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

namespace wolf {

// Malformed book data. The user interface shows its message as it is.
class EWolf : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void RaiseWolfError(const std::string& message);

// Removes leading and trailing bytes of value 32 or less.
std::string Trim(const std::string& text);
// Splits at CR, LF and CR LF; the text ends at its first NUL byte.
std::vector<std::string> SplitLines(const std::string& text);
// Compares the prefix's ASCII letters without case.
bool StartsWithNoCase(const std::string& text, const std::string& prefix);

class TWolfDescription {
public:
    // The fields by their index, in the order of their tags.
    enum TField : int { Title, Subject, Author, Adapter, Translator, Publisher, PublishTime, Introduction, ISBN };
    static constexpr int FieldCount = 9;
    static const char* const Tags[FieldCount];
    // Bytes a field keeps.
    static constexpr int Limits[FieldCount] = {128, 128, 128, 128, 128, 128, 16, 1024, 128};

    TWolfDescription() { Clear(); }

    void Clear();
    std::string GetField(int index) const;
    // Cuts to the field's limit and trims; stores and recomputes Size only on a change.
    void SetField(int index, const std::string& value);
    void RecalcSize();
    std::string ToText() const;
    void FromText(const std::string& text);
    // Copies the values as they are (no cut, no trim), then recomputes Size.
    void Assign(const TWolfDescription& source);

    // Bytes that ToText produces, or 0 for a cleared, never changed description.
    int32_t Size = 0;

private:
    std::array<std::string, FieldCount> FValues;
};

class TWolfTOCItem {
public:
    TWolfTOCItem(uint8_t n1, uint8_t n2, uint8_t n3, const std::string& title, int32_t pageIndex);
    static TWolfTOCItem CreateFromKey(uint32_t key, const std::string& title, int32_t pageIndex);

    uint32_t Key() const { return FKey; }
    int32_t Level() const { return FLevel; }
    const std::string& Title() const { return FTitle; }
    int32_t PageIndex = -1;

    uint8_t GetNumber(int depth) const;
    void SetNumber(int depth, uint8_t value);
    void SetKey(uint32_t key);
    void SetTitle(const std::string& title);  // keeps the first 254 bytes

    uint32_t ParentKey() const;
    uint32_t PrevSiblingKey() const;
    uint32_t NextSiblingKey() const;
    uint32_t FirstChildKey() const;
    bool IsParentOf(const TWolfTOCItem& other) const;

    static constexpr size_t MaxTitle = 254;
    static uint32_t MakeKey(uint8_t n1, uint8_t n2, uint8_t n3);
    static int32_t LevelOfKey(uint32_t key);

private:
    uint32_t FKey = 0;
    int32_t FLevel = 1;
    std::string FTitle;
};

// The model's lists raise this for an index outside them.
inline std::ptrdiff_t CheckedListIndex(int index, size_t count)
{
    if (index < 0 || static_cast<size_t>(index) >= count)
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return index;
}

// An ordered list that owns its items. Items live on the heap so that pointers to them
// (the editor's tree nodes) stay valid while the list grows; copying the list is deep.
template <typename T>
class TOwningList {
public:
    TOwningList() = default;
    TOwningList(const TOwningList& other) { *this = other; }
    TOwningList& operator=(const TOwningList& other)
    {
        if (this != &other) {
            FItems.clear();
            FItems.reserve(other.FItems.size());
            for (const auto& item : other.FItems) FItems.push_back(std::make_unique<T>(*item));
        }
        return *this;
    }
    TOwningList(TOwningList&&) noexcept = default;
    TOwningList& operator=(TOwningList&&) noexcept = default;

    int Count() const { return static_cast<int>(FItems.size()); }
    bool Empty() const { return FItems.empty(); }
    T& operator[](int index) { return *FItems.at(static_cast<size_t>(index)); }
    const T& operator[](int index) const { return *FItems.at(static_cast<size_t>(index)); }
    T& Add(T item)
    {
        FItems.push_back(std::make_unique<T>(std::move(item)));
        return *FItems.back();
    }
    void Delete(int index) { FItems.erase(FItems.begin() + CheckedListIndex(index, FItems.size())); }
    void Clear() { FItems.clear(); }
    // Index of the item at this address, -1 if the list does not hold it.
    int IndexOf(const T* item) const
    {
        for (size_t i = 0; i < FItems.size(); ++i)
            if (FItems[i].get() == item) return static_cast<int>(i);
        return -1;
    }

protected:
    std::vector<std::unique_ptr<T>> FItems;
};

class TWolfTOCList : public TOwningList<TWolfTOCItem> {
public:
    TWolfTOCItem& AddItem(uint8_t n1, uint8_t n2, uint8_t n3, const std::string& title, int32_t pageIndex);
    TWolfTOCItem& AddItemWithKey(uint32_t key, const std::string& title, int32_t pageIndex);
    void CopyFrom(const TWolfTOCList& source) { *this = source; }
    void SortByKey();
    void SortByDepth();
    int IndexOfKey(uint32_t key) const;

    static constexpr size_t RecordSize = record::Size;
    // Where each key first stands and how many children it has: with it, filling every
    // record of a long list takes linear rather than quadratic time. Describes the list as
    // it was when made.
    class TKeyIndex {
    public:
        explicit TKeyIndex(const TWolfTOCList& list);
        int IndexOfKey(uint32_t key) const;
        uint16_t ChildCount(uint32_t key) const;

    private:
        std::unordered_map<uint32_t, int> FFirstIndex;
        std::unordered_map<uint32_t, uint32_t> FChildCount;
    };
    void FillSubcatalogRecord(int index, uint32_t recordsStart, uint8_t (&record)[RecordSize]) const;
    void FillSubcatalogRecord(int index, uint32_t recordsStart, uint8_t (&record)[RecordSize],
                              const TKeyIndex& keys) const;
};

struct TWolfPageItem {
    int32_t Width = 0;
    int32_t Height = 0;
    bool Compact = false;
    int32_t BitCount = 0;
    uint32_t Offset = 0;      // 0: not a valid page
    uint32_t DataOffset = 0;  // = Offset for a text page; 0 for an image page (data follows its tag)
    uint32_t DataLength = 0;

    bool IsValid() const { return Offset != 0; }
    bool IsText() const { return Offset != 0 && DataOffset == Offset; }
    bool IsImage() const { return Offset != 0 && DataOffset != Offset; }
};

// Pages are held by value: a book may have very many, and nothing keeps pointers to them.
class TWolfPageList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    bool Empty() const { return FItems.empty(); }
    TWolfPageItem& operator[](int index) { return FItems.at(static_cast<size_t>(index)); }
    const TWolfPageItem& operator[](int index) const { return FItems.at(static_cast<size_t>(index)); }
    void Delete(int index) { FItems.erase(FItems.begin() + CheckedListIndex(index, FItems.size())); }
    void Clear() { FItems.clear(); }
    void Reserve(size_t count) { FItems.reserve(count); }

    TWolfPageItem& AddPage(int32_t width, int32_t height, bool compact, int32_t bitCount, uint32_t offset,
                           uint32_t dataOffset, uint32_t dataLength);
    TWolfPageItem& AddPageAt(uint32_t offset);
    // First item, in list order, whose Offset lies within 9 bytes of the given offset; -1 if none.
    int FindByOffset(uint32_t offset) const;
    void SortByOffset();
    // Keeps one page for each offset; the list must be sorted by offset.
    void RemoveDuplicateOffsets();

private:
    std::vector<TWolfPageItem> FItems;
};

}  // namespace wolf
