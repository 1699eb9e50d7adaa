// Hostile books must be refused, or their pages shown as not valid, within a fixed memory
// and time budget: at most 64 MiB of heap above the file's own size, and one second each.
// Heap use is counted by replacing the global operator new and delete, which is why these
// tests have an executable of their own.
#include "BookBytes.h"
#include "WolfStream.h"
#include "uWolfBuilder.h"
#include "uWolfReader.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <new>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {
std::atomic<size_t> GLiveBytes{0};
std::atomic<size_t> GPeakBytes{0};
constexpr size_t HeaderBytes = alignof(std::max_align_t);
}  // namespace

void* operator new(size_t size)
{
    auto* block = static_cast<unsigned char*>(std::malloc(size + HeaderBytes));
    if (!block) throw std::bad_alloc();
    *reinterpret_cast<size_t*>(block) = size;
    const size_t live = GLiveBytes += size;
    for (size_t peak = GPeakBytes; live > peak && !GPeakBytes.compare_exchange_weak(peak, live);) {
    }
    return block + HeaderBytes;
}
void operator delete(void* pointer) noexcept
{
    if (!pointer) return;
    auto* block = static_cast<unsigned char*>(pointer) - HeaderBytes;
    GLiveBytes -= *reinterpret_cast<size_t*>(block);
    std::free(block);
}
void operator delete(void* pointer, size_t) noexcept
{
    operator delete(pointer);
}
void* operator new[](size_t size)
{
    return operator new(size);
}
void operator delete[](void* pointer) noexcept
{
    operator delete(pointer);
}
void operator delete[](void* pointer, size_t) noexcept
{
    operator delete(pointer);
}

using namespace wolf;
using namespace bookbytes;

namespace {

constexpr size_t MiB = 1024 * 1024;
constexpr size_t MemoryBudget = 64 * MiB;
// The budget is the real build's; the sanitizers' checks make every read several times dearer.
#if defined(__SANITIZE_ADDRESS__)
constexpr double TimeBudgetSeconds = 3.0;
#else
constexpr double TimeBudgetSeconds = 1.0;
#endif

// What the viewer could show of a book.
struct TShown {
    bool Opened = false;
    bool Cover = false;
    bool FirstPage = false;
    bool LastPage = false;
};

// True when the page shows, false when the viewer would show it as not valid.
bool ShowPage(TWolfReader& reader, TStream& stream, TWolfPageItem& page)
{
    if (!page.IsValid()) return false;
    try {
        if (page.IsText()) {
            std::vector<std::string> lines;
            reader.ReadTextPage(stream, page, lines);
        } else {
            TGreyImage image;
            reader.DecodePage(stream, page, image);
        }
        return true;
    } catch (const EWolf&) {
        return false;
    } catch (const EStreamError&) {
        return false;
    }
}

// What the viewer does with a book: open it, show the cover, the first and the last page.
TShown OpenAndShow(const std::string& path)
{
    TFileStream stream(path, TFileStream::TMode::OpenRead);
    TWolfReader reader;
    TShown shown;
    try {
        reader.Open(stream);
    } catch (const EWolf&) {
        return shown;
    } catch (const EStreamError&) {
        return shown;
    }
    shown.Opened = true;
    shown.Cover = ShowPage(reader, stream, reader.Cover);
    if (!reader.Pages.Empty()) {
        shown.FirstPage = ShowPage(reader, stream, reader.Pages[0]);
        shown.LastPage = ShowPage(reader, stream, reader.Pages[reader.Pages.Count() - 1]);
    }
    return shown;
}

// The processor time of the process, so that other work on the machine does not count
// (Windows' clock() counts wall time).
double ProcessorSeconds()
{
#ifdef _WIN32
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ticks = [](FILETIME t) { return (uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
#else
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
#endif
}

// Writes the book to a file, opens and shows it, and checks the budget.
TShown WithinBudget(const std::string& name, const std::string& bytes)
{
    const std::string path = (std::filesystem::path(testing::TempDir()) / ("hostile_" + name + ".wol")).string();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    const size_t baseline = GLiveBytes;
    GPeakBytes = baseline;
    const double start = ProcessorSeconds();
    const TShown shown = OpenAndShow(path);
    const double seconds = ProcessorSeconds() - start;
    const size_t used = GPeakBytes - baseline;
    std::filesystem::remove(path);

    EXPECT_LT(used, bytes.size() + MemoryBudget)
        << name << ": " << used / MiB << " MiB for a file of " << bytes.size() / MiB << " MiB";
    EXPECT_LT(seconds, TimeBudgetSeconds) << name;
    ::testing::Test::RecordProperty(name + "_cpu_ms", static_cast<int>(seconds * 1000));
    ::testing::Test::RecordProperty(name + "_heap_kib", static_cast<int>(used / 1024));
    return shown;
}

std::string OneTextPageBook()
{
    TWolfBookBuilder b;
    b.AddTextPage("text");
    return b.Build();
}

std::string OneTaggedPageBook(const std::string& tag, const std::string& data)
{
    TWolfBookBuilder b;
    b.AddTaggedPage(tag, data);
    return b.Build();
}

size_t EntriesParameterAt(const std::string& book)
{
    return book.rfind("<pagetable") + std::string("<pagetable version=\"001\">").size();
}

}  // namespace

TEST(ResourceBounds, HugePicturesAreNotValid)
{
    for (const char* tag : {"img width=16384 height=16384 bitcount=1 compact=1 length=4",
                            "img width=2147483647 height=2147483647 bitcount=2 compact=1 length=4",
                            "img width=16385 height=1 bitcount=1 compact=0 length=4"}) {
        const TShown shown = WithinBudget("picture", OneTaggedPageBook(tag, "abcd"));
        EXPECT_TRUE(shown.Opened && !shown.FirstPage) << tag;
    }
    TWolfBookBuilder cover;
    cover.SetCover(65535, 65535, 2, true, "abcd");
    cover.AddTextPage("text");
    const TShown shown = WithinBudget("cover", cover.Build());
    EXPECT_TRUE(shown.Opened && !shown.Cover && shown.FirstPage);

    // The largest pictures the reader takes still fit, packed or raw.
    const std::string tallest = std::to_string(MaxPagePixels / MaxPageSide);
    EXPECT_TRUE(
        WithinBudget("largest_packed",
                     OneTaggedPageBook("img width=16384 height=" + tallest + " bitcount=2 compact=1 length=4", "abcd"))
            .FirstPage);
    EXPECT_TRUE(WithinBudget("largest_raw", OneTaggedPageBook("img width=16384 height=" + tallest +
                                                                  " bitcount=1 compact=0 length=" + tallest,
                                                              std::string(std::stoul(tallest), '\x55')))
                    .FirstPage);
}

TEST(ResourceBounds, LengthsOfFourGiBAreRefusedOrNotValid)
{
    const std::string book = OneTextPageBook();
    std::string hugeCover = book;
    PatchU32(hugeCover, header::CoverLength, 0xFFFFFFFF);
    EXPECT_FALSE(WithinBudget("cover_length", hugeCover).Cover);

    std::string hugePageData = book;
    PatchU32(hugePageData, header::PageDataSize, 0xFFFFFFF0);
    EXPECT_FALSE(WithinBudget("page_data_size", hugePageData).FirstPage);

    for (size_t field : {header::CatalogSize, header::PageTableSize}) {
        std::string lying = book;
        PatchU32(lying, field, 0xFFFFFFFF);
        EXPECT_FALSE(WithinBudget("field_" + std::to_string(field), lying).Opened);
    }
    std::string longDescription = book;
    PatchU16(longDescription, header::DescriptionLength, 0xFFFF);
    EXPECT_FALSE(WithinBudget("description_length", longDescription).Opened);

    EXPECT_FALSE(WithinBudget("image_length_4g", OneTaggedPageBook("img width=8 height=8 bitcount=1 compact=1 "
                                                                   "length=4294967295",
                                                                   "ab"))
                     .Opened);
    for (const char* compact : {"0", "1"}) {
        const TShown shown = WithinBudget("image_length_2g", OneTaggedPageBook(std::string("img width=8 height=8 "
                                                                                           "bitcount=1 compact=") +
                                                                                   compact + " length=2147483647",
                                                                               "ab"));
        EXPECT_TRUE(shown.Opened && !shown.FirstPage) << compact;
    }
}

TEST(ResourceBounds, MillionsOfPageTableEntries)
{
    constexpr int Entries = 1'000'000;
    TWolfBookBuilder same;
    same.AddTextPage("the one page");
    same.SetEntryOrder(std::vector<int>(Entries, 0));
    EXPECT_TRUE(WithinBudget("same_page", same.Build()).FirstPage);

    // Every entry a page of its own: one byte of text each.
    TWolfBookBuilder distinct;
    distinct.AddTextPage(std::string(Entries, 'w'));
    for (uint32_t i = 1; i < Entries; ++i) distinct.AddRawEntry(distinct.PageBase() + i);
    const TShown shown = WithinBudget("distinct_pages", distinct.Build());
    EXPECT_TRUE(shown.FirstPage && shown.LastPage);

    std::string endless = OneTextPageBook();
    PatchU32(endless, EntriesParameterAt(endless) + 4, 0xFFFFFFFF);
    EXPECT_FALSE(WithinBudget("entries_end", endless).Opened);
}

TEST(ResourceBounds, CatalogItemsWithoutEnd)
{
    auto catalogBook = [](const std::vector<TWolfBookBuilder::TCatalogItem>& items) {
        TWolfBookBuilder b;
        b.AddTextPage("text");
        b.Catalog = items;
        return b.Build();
    };
    const std::string title(8 * MiB, 't');
    std::string unendedItem = catalogBook({{title, 0}});
    unendedItem.replace(unendedItem.find("</item>"), 7, "<!item>");
    EXPECT_FALSE(WithinBudget("unended_item", unendedItem).Opened);

    std::string unendedTag = catalogBook({{title, 0}});
    unendedTag[unendedTag.find("<item>") + 5] = 't';
    EXPECT_FALSE(WithinBudget("unended_tag", unendedTag).Opened);

    // As many items as the header can count.
    const std::vector<TWolfBookBuilder::TCatalogItem> most(65535, {"t", -1});
    EXPECT_TRUE(WithinBudget("most_items", catalogBook(most)).Opened);
}

TEST(ResourceBounds, SubcatalogOfAllRecordsWithHugeTitles)
{
    // 65535 records after a first page of text; the subcatalog lies in a second record
    // that the page table leaves out.
    constexpr int Records = 65535;
    auto subcatalogBook = [](uint32_t titleOffset, uint16_t titleLength) {
        TWolfBookBuilder b;
        b.AddTextPage("text");
        std::string block = "<subcatalog>";
        for (int n = 0; n < Records; ++n) {
            uint8_t record[TWolfTOCList::RecordSize] = {};
            PutU32(record + 4, titleOffset);
            PutU16(record + 8, titleLength);
            record[30] = static_cast<uint8_t>(n % 255 + 1);
            record[29] = static_cast<uint8_t>(n / 255);
            block.append(reinterpret_cast<const char*>(record), sizeof record);
        }
        block += "</subcatalog>";
        const int blockPage = b.AddTextPage(block);
        b.SetEntryOrder({0});
        std::string bytes = b.Build();
        PatchU32(bytes, header::SubcatalogOffset, b.PageOffset(blockPage));
        PatchU16(bytes, header::Level1Count, Records);
        return bytes;
    };
    EXPECT_FALSE(WithinBudget("title_offsets_far", subcatalogBook(0xFFFFFF00, 10)).Opened);
    EXPECT_FALSE(WithinBudget("titles_of_64k", subcatalogBook(128, 0xFFFF)).Opened);
    EXPECT_TRUE(WithinBudget("short_titles", subcatalogBook(0, 0)).Opened);

    std::string fewRecords = subcatalogBook(0, 0);
    PatchU16(fewRecords, header::SubLevelCount, 0xFFFF);
    EXPECT_FALSE(WithinBudget("records_past_the_end", fewRecords).Opened);
}
