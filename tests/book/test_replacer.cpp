#include "BookBytes.h"
#include "uWolfBuilder.h"
#include "uWolfReader.h"
#include "uWolfReplacer.h"

#include <gtest/gtest.h>

using namespace wolf;
using namespace bookbytes;

namespace {

constexpr uint32_t None = 0xFFFFFFFF;

TWolfTOCList ThreeEntries()
{
    TWolfTOCList toc;
    toc.AddItem(1, 0, 0, "One", 0);
    toc.AddItem(1, 1, 0, "Section", 1);
    toc.AddItem(2, 0, 0, "Two", -1);
    return toc;
}

// A cover, two image pages around a text page, a catalog, optionally a subcatalog, and
// page-table parameters that include the two "no position" values.
TWolfBookBuilder SampleBook(bool subcatalog, bool filler = true)
{
    TWolfBookBuilder book;
    TWolfDescription description;
    description.SetField(0, "Tale");
    description.SetField(2, "Someone");
    book.Description = description.ToText();
    book.SetCover(8, 2, 1, false, "\xF0\x0F");
    book.AddImagePage(8, 2, 1, false, "\x0F\xF0");
    book.AddTextPage("Hello &amp; bye");
    book.AddImagePage(16, 1, 2, false, std::string("\x1B\xE4\x00\xFF", 4));
    book.Catalog = {{"One", 0}, {"Two", -1}};
    if (subcatalog) book.SetSubcatalog(ThreeEntries(), filler);
    book.ExtraParameters = {0, None, 1000, 7, None, 0, 300, 1, 2, 3, 4};
    return book;
}

TWolfDescription DescriptionWithTitle(const std::string& title)
{
    TWolfDescription description;
    description.SetField(0, title);
    return description;
}

std::string NewDescription(const std::string& book, const TWolfDescription& description)
{
    TMemoryStream source(book), destination;
    ReplaceDescription(source, destination, description);
    return destination.Data();
}

std::string NewTOC(const std::string& book, TWolfTOCList toc)
{
    TMemoryStream source(book), destination;
    TWolfReader reader;
    reader.Open(source);
    ReplaceTOC(source, destination, reader.Pages, toc);
    return destination.Data();
}

struct TOpened {
    explicit TOpened(const std::string& bytes) : Stream(bytes) { Reader.Open(Stream); }
    TMemoryStream Stream;
    TWolfReader Reader;
};

size_t PageTableStart(const std::string& book)
{
    return book.size() - U32At(book, header::PageTableSize);
}
size_t ParametersStart(const std::string& book)
{
    return book.find('>', PageTableStart(book)) + 1;
}

// Positions of every absolute offset behind the description: subcatalog title offsets and
// links, page-table parameters and entries. Found by walking the layout, not by streaming.
std::vector<size_t> AbsoluteFields(const std::string& book)
{
    std::vector<size_t> fields;
    if (const uint32_t subcatalog = U32At(book, header::SubcatalogOffset)) {
        const size_t records = size_t{U16At(book, header::Level1Count)} + U16At(book, header::SubLevelCount);
        for (size_t n = 0; n < records; ++n)
            for (size_t field : {4, 12, 16, 20, 24}) fields.push_back(subcatalog + 12 + 80 * n + field);
    }
    const size_t parameters = ParametersStart(book);
    for (size_t i = 0; i < 13; ++i) fields.push_back(parameters + 4 * i);
    for (size_t entry = parameters + 52 + 12; entry < book.size(); entry += 4) fields.push_back(entry);
    return fields;
}

// What a description rewrite must give: the old bytes with the block swapped and the
// absolute fields patched in place.
std::string Patched(const std::string& old, const std::string& text)
{
    const uint16_t oldLength = U16At(old, header::DescriptionLength);
    const int64_t distance = static_cast<int64_t>(text.size()) - oldLength;
    std::string expected = old;
    auto patch = [&](size_t position) {
        const uint32_t value = U32At(old, position);
        if (value != 0 && value != None)
            PutU32(reinterpret_cast<uint8_t*>(&expected[position]), static_cast<uint32_t>(value + distance));
    };
    patch(header::SubcatalogOffset);
    for (size_t field : AbsoluteFields(old)) patch(field);
    PutU16(reinterpret_cast<uint8_t*>(&expected[header::DescriptionLength]), static_cast<uint16_t>(text.size()));
    return expected.substr(0, 128) + text + expected.substr(128 + oldLength);
}

void ExpectSamePages(const TWolfReader& before, const TWolfReader& after, int64_t distance)
{
    ASSERT_EQ(before.Pages.Count(), after.Pages.Count());
    for (int i = 0; i < before.Pages.Count(); ++i) {
        EXPECT_EQ(after.Pages[i].Offset, before.Pages[i].Offset + distance) << i;
        EXPECT_EQ(after.Pages[i].DataLength, before.Pages[i].DataLength) << i;
        EXPECT_EQ(after.Pages[i].Width, before.Pages[i].Width) << i;
    }
    EXPECT_EQ(after.Cover.DataLength, before.Cover.DataLength);
}

}  // namespace

TEST(ReplaceDescription, GrowingOrShrinkingMovesEveryAbsoluteOffsetAndNothingElse)
{
    for (const bool shortEntries : {true, false}) {
        TWolfBookBuilder builder = SampleBook(true);
        builder.ShortEntries = shortEntries;
        const std::string old = builder.Build();
        const TOpened before(old);
        for (const std::string& title : {"Tale" + std::string(25, 'x'), std::string("T")}) {
            TWolfDescription description;
            description.Assign(before.Reader.Description);
            description.SetField(0, title);
            const std::string text = description.ToText();
            const std::string rewritten = NewDescription(old, description);
            EXPECT_EQ(rewritten, Patched(old, text)) << title;

            const int64_t distance =
                static_cast<int64_t>(text.size()) - static_cast<int64_t>(builder.Description.size());
            EXPECT_EQ(distance, title.size() == 1 ? -3 : 25);
            EXPECT_EQ(U32At(rewritten, header::SubcatalogOffset), U32At(old, header::SubcatalogOffset) + distance);
            EXPECT_EQ(U32At(rewritten, header::CatalogSize), U32At(old, header::CatalogSize));
            EXPECT_EQ(U32At(rewritten, header::PageTableSize), U32At(old, header::PageTableSize));
            const size_t parameters = ParametersStart(rewritten);
            EXPECT_EQ(U32At(rewritten, parameters), U32At(old, ParametersStart(old)) + distance);
            EXPECT_EQ(U32At(rewritten, parameters + 8), 0u);
            EXPECT_EQ(U32At(rewritten, parameters + 12), None);

            const TOpened after(rewritten);
            EXPECT_EQ(after.Reader.Description.GetField(0), title);
            EXPECT_EQ(after.Reader.Description.GetField(2), "Someone");
            ExpectSamePages(before.Reader, after.Reader, distance);
            ASSERT_EQ(after.Reader.TOC.Count(), 3);
            EXPECT_EQ(after.Reader.TOC[1].Title(), "Section");
            EXPECT_EQ(after.Reader.TOC[1].PageIndex, 1);
        }
    }
}

TEST(ReplaceDescription, KeepsMissingSubcatalogAndCopiesFillerOnlyWhenPresent)
{
    const TWolfDescription description = DescriptionWithTitle("New");
    const std::string plain = SampleBook(false).Build();
    const std::string rewritten = NewDescription(plain, description);
    EXPECT_EQ(rewritten, Patched(plain, description.ToText()));
    EXPECT_EQ(U32At(rewritten, header::SubcatalogOffset), 0u);
    EXPECT_EQ(rewritten.find("</catalog><pagetable"), rewritten.size() - U32At(rewritten, header::PageTableSize) - 10);

    for (const bool filler : {true, false}) {
        const std::string book = SampleBook(true, filler).Build();
        const std::string result = NewDescription(book, description);
        EXPECT_EQ(result, Patched(book, description.ToText()));
        EXPECT_EQ(result.find("\x08</subcatalog>") != std::string::npos, filler);
        EXPECT_EQ(TOpened(result).Reader.TOC.Count(), 3);
    }
}

TEST(ReplaceDescription, AClearedDescriptionBecomesAnEmptyBlock)
{
    const std::string rewritten = NewDescription(SampleBook(true).Build(), TWolfDescription());
    EXPECT_EQ(U16At(rewritten, header::DescriptionLength), 0);
    EXPECT_EQ(TOpened(rewritten).Reader.Pages.Count(), 3);
}

TEST(ReplaceDescription, RefusesMalformedBooks)
{
    const std::string book = SampleBook(true).Build();
    const TWolfDescription description = DescriptionWithTitle("New");
    auto messageFor = [&](std::string bytes) {
        try {
            NewDescription(bytes, description);
        } catch (const std::exception& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    auto replaced = [&](const std::string& what, const std::string& with) {
        std::string bytes = book;
        bytes.replace(bytes.find(what), what.size(), with);
        return bytes;
    };
    EXPECT_EQ(messageFor(replaced("<catalog>", "<katalog>")), "Bad Wolf catalog");
    EXPECT_EQ(messageFor(replaced("<subcatalog>", "<subkatalog>")), "Bad Wolf subcatalog");
    EXPECT_EQ(messageFor(replaced("</subcatalog>", "</subkatalog>")), "Bad Wolf subcatalog");
    EXPECT_EQ(messageFor(replaced("<pagetable", "<pageteble")), "Bad Wolf page table");
    EXPECT_EQ(messageFor(replaced("</pagetable>", "</pageteble>")), "Bad Wolf page table");
    EXPECT_EQ(messageFor(book + "xy"), "Stream read error");
    EXPECT_EQ(messageFor(book.substr(0, 100)), "Stream read error");

    TWolfDescription inconsistent = description;
    auto sizeMessage = [&](int32_t size) {
        inconsistent.Size = size;
        TMemoryStream source(book), destination;
        try {
            ReplaceDescription(source, destination, inconsistent);
        } catch (const EWolf& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(sizeMessage(65536), "The description is 65536 bytes long; a book holds at most 65535");
    EXPECT_EQ(sizeMessage(65535), "The description's size does not match its text");
    EXPECT_EQ(sizeMessage(-1), "The description's size does not match its text");
}

TEST(ShiftOffset, LeavesTheMissingMarksAndWrapsAt32Bits)
{
    EXPECT_EQ(ShiftOffset(0, 25), 0u);
    EXPECT_EQ(ShiftOffset(None, -25), None);
    EXPECT_EQ(ShiftOffset(100, -25), 75u);
    EXPECT_EQ(ShiftOffset(0xFFFFFFF0u, 0x20), 0x10u);
    EXPECT_EQ(ShiftOffset(5, -10), 0xFFFFFFFBu);
}

TEST(ReplaceTOC, OneChapterGivesItsCatalogAndSubcatalogByteForByte)
{
    const TWolfBookBuilder builder = SampleBook(false);
    const std::string old = builder.Build();
    TWolfTOCList toc;
    toc.AddItem(1, 0, 0, "Intro", 1);
    const std::string book = NewTOC(old, toc);

    const uint32_t catalogStart = builder.PageBase() + U32At(old, header::PageDataSize);
    const uint32_t position = builder.PageOffset(1) - builder.PageBase();
    EXPECT_EQ(U32At(book, header::CatalogSize), 152u);
    EXPECT_EQ(U16At(book, header::Level1Count), 1);
    EXPECT_EQ(U16At(book, header::SubLevelCount), 0);
    EXPECT_EQ(U32At(book, header::SubcatalogOffset), catalogStart + 41);
    EXPECT_EQ(book.substr(0, 128).substr(header::PageTableSize, 4), old.substr(header::PageTableSize, 4));
    EXPECT_EQ(book.substr(128, catalogStart - 128), old.substr(128, catalogStart - 128));

    std::string record(80, '\0');
    auto* bytes = reinterpret_cast<uint8_t*>(record.data());
    PutU32(bytes, position);
    PutU32(bytes + 4, catalogStart + 41 + 12 + 80);
    PutU16(bytes + 8, 5);
    bytes[30] = 1;
    record.replace(32, 5, "Intro");
    EXPECT_EQ(book.substr(catalogStart, 152), "<catalog><item>Intro</item>" + U32Bytes(position) + "</catalog>" +
                                                  "<subcatalog>" + record + "Intro\x08</subcatalog>");

    // The page table moved as a whole: parameters by its distance, entries not at all.
    const int64_t distance = static_cast<int64_t>(PageTableStart(book)) - static_cast<int64_t>(PageTableStart(old));
    EXPECT_EQ(book.size() - PageTableStart(book), old.size() - PageTableStart(old));
    const size_t oldParameters = ParametersStart(old), parameters = ParametersStart(book);
    for (size_t i = 0; i < 13; ++i) {
        const uint32_t value = U32At(old, oldParameters + 4 * i);
        EXPECT_EQ(U32At(book, parameters + 4 * i), ShiftOffset(value, distance)) << i;
    }
    EXPECT_EQ(book.substr(parameters + 52), old.substr(oldParameters + 52));

    const TOpened opened(book);
    ASSERT_EQ(opened.Reader.TOC.Count(), 1);
    EXPECT_EQ(opened.Reader.TOC[0].Title(), "Intro");
    EXPECT_EQ(opened.Reader.TOC[0].PageIndex, 1);
}

TEST(ReplaceTOC, TwoChaptersWithSectionsLinkTheirRecords)
{
    const std::string old = SampleBook(true).Build();
    TWolfTOCList toc;
    toc.AddItem(1, 2, 0, "1.2", 2);
    toc.AddItem(2, 0, 0, "Chapter 2", -1);
    toc.AddItem(1, 1, 0, "1.1", 1);
    toc.AddItem(1, 0, 0, "Chapter 1", 0);
    const std::string book = NewTOC(old, toc);

    const uint32_t subcatalog = U32At(book, header::SubcatalogOffset);
    const uint32_t recordsStart = subcatalog + 12;
    auto record = [&](int n, size_t field) { return U32At(book, recordsStart + 80 * n + field); };
    enum { PageOffset = 0, Prev = 12, Next = 16, FirstChild = 20, Parent = 24 };
    EXPECT_EQ(book.substr(recordsStart + 32, 9), "Chapter 1");
    EXPECT_EQ(book.substr(recordsStart + 80 + 32, 9), "Chapter 2");
    EXPECT_EQ(book.substr(recordsStart + 160 + 32, 3), "1.1");
    EXPECT_EQ(book.substr(recordsStart + 240 + 32, 3), "1.2");
    EXPECT_EQ(record(0, FirstChild), recordsStart + 160);
    EXPECT_EQ(U16At(book, recordsStart + 10), 2);
    EXPECT_EQ(record(0, Next), recordsStart + 80);
    EXPECT_EQ(record(1, Prev), recordsStart);
    EXPECT_EQ(record(1, Next), 0u);
    EXPECT_EQ(record(1, FirstChild), 0u);
    EXPECT_EQ(record(1, PageOffset), 0u);
    EXPECT_EQ(record(2, Parent), recordsStart);
    EXPECT_EQ(record(2, Next), recordsStart + 240);
    EXPECT_EQ(record(3, Prev), recordsStart + 160);
    EXPECT_EQ(record(3, Next), 0u);
    EXPECT_EQ(U16At(book, header::Level1Count), 2);
    EXPECT_EQ(U16At(book, header::SubLevelCount), 2);

    const size_t catalog = subcatalog - (9 + 2 * 17 + 9 + 9 + 10);
    EXPECT_EQ(book.substr(catalog, subcatalog - catalog), "<catalog><item>Chapter 1</item>" +
                                                              U32Bytes(record(0, PageOffset)) +
                                                              "<item>Chapter 2</item>" + U32Bytes(0) + "</catalog>");
    // Titles stand in full after the records, in record order, with their offsets.
    EXPECT_EQ(book.substr(record(0, 4), 9), "Chapter 1");
    EXPECT_EQ(book.substr(record(3, 4), 3), "1.2");
    EXPECT_EQ(book.substr(recordsStart + 320, 24 + 1 + 13), "Chapter 1Chapter 21.11.2\x08</subcatalog>");

    const TOpened opened(book);
    ASSERT_EQ(opened.Reader.TOC.Count(), 4);
    EXPECT_EQ(opened.Reader.TOC[1].Title(), "1.1");
    EXPECT_EQ(opened.Reader.TOC[1].PageIndex, 1);
    EXPECT_EQ(opened.Reader.Description.GetField(0), "Tale");
}

TEST(ReplaceTOC, AnEmptyTableOfContentsLeavesOneCatalogItemWithTheBookTitle)
{
    for (const bool shortEntries : {true, false}) {
        TWolfBookBuilder builder = SampleBook(true);
        builder.ShortEntries = shortEntries;
        builder.Description = "<title>Tale</item>s\r\n<author>Someone\r\n";
        // The page data's first record is no page, so the first page does not stand at 0.
        builder.SetEntryOrder({1, 2});
        const std::string old = builder.Build();
        const std::string book = NewTOC(old, TWolfTOCList());
        // The title is cut before "</item>", which would end the item early.
        EXPECT_EQ(U32At(book, header::CatalogSize), 4u + 36);
        EXPECT_EQ(U16At(book, header::Level1Count), 1);
        EXPECT_EQ(U16At(book, header::SubLevelCount), 0);
        EXPECT_EQ(U32At(book, header::SubcatalogOffset), 0u);
        const size_t catalog = builder.PageBase() + U32At(old, header::PageDataSize);
        const uint32_t firstPage = builder.PageOffset(1) - builder.PageBase();
        ASSERT_NE(firstPage, 0u);
        EXPECT_EQ(book.substr(catalog, 40), "<catalog><item>Tale</item>" + U32Bytes(firstPage) + "</catalog>");
        EXPECT_EQ(book.substr(ParametersStart(book) + 52), old.substr(ParametersStart(old) + 52));
        const TOpened opened(book);
        EXPECT_EQ(opened.Reader.TOC.Count(), 0);  // one catalog item reads as none
        EXPECT_EQ(opened.Reader.Pages.Count(), 2);
    }
}

TEST(ReplaceTOC, RefusesEntriesThatWouldMakeAnUnreadableBook)
{
    const std::string old = SampleBook(false).Build();
    auto refused = [&](const TWolfTOCList& toc) {
        TMemoryStream source(old), destination;
        TWolfReader reader;
        reader.Open(source);
        TWolfTOCList copy = toc;
        EXPECT_THROW(ReplaceTOC(source, destination, reader.Pages, copy), EWolf);
        EXPECT_EQ(destination.Size(), 0u);  // refused before writing
    };
    TWolfTOCList beyond;
    beyond.AddItem(1, 0, 0, "Beyond", 3);
    refused(beyond);
    TWolfTOCList closing;
    closing.AddItem(1, 0, 0, "A</item>B", 0);
    refused(closing);

    // In a section title the text does no harm: sections are not catalog items.
    TWolfTOCList section;
    section.AddItem(1, 0, 0, "A", 0);
    section.AddItem(1, 1, 0, "A</item>B", 0);
    const TOpened opened(NewTOC(old, section));
    EXPECT_EQ(opened.Reader.TOC[1].Title(), "A</item>B");
}

TEST(ReplaceTOC, RefusesWhatTheHeaderFieldsCannotHold)
{
    const TWolfBookBuilder builder = SampleBook(false);
    TWolfTOCList oneChapter;
    oneChapter.AddItem(1, 0, 0, "Intro", 0);
    TWolfTOCList tooMany;
    for (int i = 0; i < 65536; ++i) tooMany.AddItem(1, 0, 0, "C", -1);

    std::string huge = builder.Build();  // claims page data that would push offsets past 32 bits
    PutU32(reinterpret_cast<uint8_t*>(&huge[header::PageDataSize]), 0xFFFFFF00u);
    for (const auto& [book, toc] : {std::pair{huge, oneChapter}, std::pair{builder.Build(), tooMany}}) {
        TMemoryStream source(book), destination;
        TWolfPageList pages;
        pages.AddPageAt(builder.PageOffset(0));
        TWolfTOCList copy = toc;
        EXPECT_THROW(ReplaceTOC(source, destination, pages, copy), EWolf);
        EXPECT_EQ(destination.Size(), 0u);
    }
}
