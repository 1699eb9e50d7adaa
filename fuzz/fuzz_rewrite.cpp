// Rewrites any bytes that open as a book, once with another description and once with
// another table of contents, into memory. A rewrite may refuse the book; one that succeeds
// must give a book that opens again with the same pages, moved as the rewrite moves them.
#include "FuzzChecks.h"
#include "uWolfReader.h"
#include "uWolfReplacer.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace wolf;

namespace {

std::optional<TWolfReader> Opened(const std::string& bytes)
{
    TMemoryStream stream(bytes);
    std::optional<TWolfReader> reader(std::in_place);
    try {
        reader->Open(stream);
    } catch (const EWolf&) {
        return std::nullopt;
    } catch (const EStreamError&) {
        return std::nullopt;
    }
    return reader;
}

// The offsets the page table holds, before the reader steps over tags or drops bad pages.
std::vector<uint32_t> TableOffsets(const std::string& bytes)
{
    TMemoryStream stream(bytes);
    TWolfReader reader;
    reader.ReadHeader(stream);
    reader.ReadPageTable(stream);
    std::vector<uint32_t> offsets;
    for (int i = 0; i < reader.Pages.Count(); ++i) offsets.push_back(reader.Pages[i].Offset);
    return offsets;
}

// Where the tags that the reader takes at a page's record end: a "<catalog>" and a "</img>"
// in front of the record are stepped over, as the reader does.
uint64_t RecordTagsEnd(const std::string& bytes, uint32_t offset)
{
    uint64_t at = offset;
    std::string tag;
    auto nextTag = [&] {  // false when no tag starts here
        if (at >= bytes.size() || bytes[at] != '<') return false;
        const size_t close = bytes.find('>', at);
        if (close == std::string::npos) {
            at = UINT64_MAX;
            return false;
        }
        tag = bytes.substr(at + 1, close - at - 1);
        at = close + 1;
        return true;
    };
    if (!nextTag()) return at == UINT64_MAX ? at : at + 1;
    if (tag == "catalog" && !nextTag()) return at == UINT64_MAX ? at : at + 1;
    if (tag == "/img" && !nextTag()) return at == UINT64_MAX ? at : at + 1;
    return at;
}

// True when every page record lies in [first, end): bytes the rewrite copies unchanged.
bool PagesInCopiedBytes(const std::string& bytes, uint64_t first, uint64_t end)
{
    for (uint32_t offset : TableOffsets(bytes)) {
        if (offset == 0) continue;
        if (offset < first || RecordTagsEnd(bytes, offset) > end) return false;
    }
    return true;
}

void CheckSamePages(const TWolfPageList& before, const TWolfPageList& after, int64_t moved)
{
    FUZZ_CHECK(before.Count() == after.Count());
    for (int i = 0; i < before.Count(); ++i) {
        const TWolfPageItem& a = before[i];
        const TWolfPageItem& b = after[i];
        FUZZ_CHECK(b.Offset == ShiftOffset(a.Offset, moved));
        FUZZ_CHECK(a.IsText() == b.IsText() && a.IsImage() == b.IsImage());
        FUZZ_CHECK(a.Width == b.Width && a.Height == b.Height && a.BitCount == b.BitCount);
        FUZZ_CHECK(a.Compact == b.Compact && a.DataLength == b.DataLength);
    }
}

// The entries' keys and titles in key order.
std::vector<std::pair<uint32_t, std::string>> Entries(const TWolfTOCList& toc)
{
    std::vector<std::pair<uint32_t, std::string>> entries;
    for (int i = 0; i < toc.Count(); ++i) entries.emplace_back(toc[i].Key(), toc[i].Title());
    std::sort(entries.begin(), entries.end());
    return entries;
}

uint64_t PageDataEnd(const TWolfReader& book)
{
    return uint64_t{128} + book.DescriptionLength() + book.CoverLength() + book.PageDataSize();
}

void RewriteDescription(const std::string& bytes, const TWolfReader& book, unsigned variant)
{
    TWolfDescription description;
    description.Assign(book.Description);
    switch (variant % 3) {
    case 0:
        description.SetField(TWolfDescription::Title, description.GetField(TWolfDescription::Title) + " (revised)");
        break;
    case 1: description.SetField(TWolfDescription::Introduction, ""); break;
    default: description.SetField(TWolfDescription::Introduction, std::string(1024, 'i')); break;
    }
    TMemoryStream source(bytes);
    TMemoryStream destination;
    try {
        ReplaceDescription(source, destination, description);
    } catch (const EWolf&) {
        return;
    } catch (const EStreamError&) {
        return;
    }
    if (!PagesInCopiedBytes(bytes, 128u + book.DescriptionLength(), PageDataEnd(book))) return;
    const std::optional<TWolfReader> rewritten = Opened(destination.Data());
    FUZZ_CHECK(rewritten.has_value());
    const int64_t moved = int64_t{rewritten->DescriptionLength()} - book.DescriptionLength();
    CheckSamePages(book.Pages, rewritten->Pages, moved);
    for (int i = 0; i < TWolfDescription::FieldCount; ++i)
        FUZZ_CHECK(rewritten->Description.GetField(i) == description.GetField(i));
    FUZZ_CHECK(Entries(rewritten->TOC) == Entries(book.TOC));
}

void RewriteTOC(const std::string& bytes, const TWolfReader& book, unsigned variant)
{
    TWolfTOCList toc = book.TOC;
    const int lastPage = book.Pages.Count() - 1;
    switch (variant % 3) {
    case 0: break;
    case 1: toc.Clear(); break;
    default:
        toc.AddItem(250, 0, 0, "Added chapter", lastPage);
        toc.AddItem(250, 1, 0, "Added section", lastPage < 0 ? -1 : 0);
        break;
    }
    if (toc.Empty() && book.Pages.Empty()) return;  // nothing to lead the single catalog item to
    TWolfTOCList written = toc;
    TMemoryStream source(bytes);
    TMemoryStream destination;
    try {
        ReplaceTOC(source, destination, book.Pages, written);
    } catch (const EWolf&) {
        return;
    } catch (const EStreamError&) {
        return;
    }
    if (!PagesInCopiedBytes(bytes, 128, PageDataEnd(book))) return;
    const std::optional<TWolfReader> rewritten = Opened(destination.Data());
    FUZZ_CHECK(rewritten.has_value());
    CheckSamePages(book.Pages, rewritten->Pages, 0);
    FUZZ_CHECK(Entries(rewritten->TOC) == Entries(toc));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<TWolfReader> book = Opened(bytes);
    if (!book) return 0;
    unsigned variant = 0;
    for (size_t i = 0; i < std::min<size_t>(size, 16); ++i) variant += data[i];
    RewriteDescription(bytes, *book, variant);
    RewriteTOC(bytes, *book, variant / 3);
    return 0;
}
