// Faults found by fuzzing and by the resource-bound tests, each kept as a regression test.
#include "BookBytes.h"
#include "uWolfBuilder.h"
#include "uWolfReader.h"
#include "uWolfReplacer.h"

#include <gtest/gtest.h>

#include <functional>

using namespace wolf;
using namespace bookbytes;

namespace {

std::string RewriteError(const std::function<void(TStream&, TStream&)>& rewrite, const std::string& book)
{
    TMemoryStream source(book);
    TMemoryStream destination;
    try {
        rewrite(source, destination);
    } catch (const std::exception& e) {
        return e.what();
    }
    return "rewritten";
}

}  // namespace

// The page table's first parameter may send the reader to entries anywhere in the file.
// Rewriting moved that parameter with the page table but not the bytes it pointed at, so
// the new book read its pages from other bytes, or from none.
TEST(Findings, RewritesRefusePageTableEntriesOutsideThePageTable)
{
    TWolfBookBuilder builder;
    builder.AddTextPage("the page");
    const int entryHolder = builder.AddTextPage(U32Bytes(builder.PageOffset(0)));
    builder.SetEntryOrder({0});
    std::string book = builder.Build();
    const size_t parameters = book.rfind("<pagetable") + std::string("<pagetable version=\"001\">").size();
    PatchU32(book, parameters, builder.PageOffset(entryHolder));
    PatchU32(book, parameters + 4, builder.PageOffset(entryHolder));

    TMemoryStream stream(book);
    TWolfReader reader;
    reader.Open(stream);
    ASSERT_EQ(reader.Pages.Count(), 1);  // the reader takes such a book

    TWolfDescription description;
    description.SetField(0, "A longer title than before");
    EXPECT_EQ(RewriteError([&](TStream& s, TStream& d) { ReplaceDescription(s, d, description); }, book),
              "Bad Wolf page table");
    TWolfTOCList toc;
    toc.AddItem(1, 0, 0, "Chapter", 0);
    EXPECT_EQ(RewriteError([&](TStream& s, TStream& d) { ReplaceTOC(s, d, reader.Pages, toc); }, book),
              "Bad Wolf page table");

    // Entries where they belong, right behind the tag, still rewrite.
    TWolfBookBuilder sound;
    sound.AddTextPage("the page");
    EXPECT_EQ(RewriteError([&](TStream& s, TStream& d) { ReplaceDescription(s, d, description); }, sound.Build()),
              "rewritten");
}

// Reading every subcatalog title in full made 65535 titles of 64 KiB take seconds; the
// model keeps 254 bytes of a title, and only those are read now. A title that runs past
// the end of the file still ends the open.
TEST(Findings, SubcatalogTitlesAreReadAsFarAsTheModelKeepsThem)
{
    // One record whose 300-byte title fills the titles area; the block stands in a record
    // that the page table leaves out.
    auto bookWithTitleAt = [](int64_t titleShift) {
        TWolfBookBuilder builder;
        builder.AddTextPage("text");
        const uint32_t blockAt = builder.PageOffset(1);
        uint8_t record[TWolfTOCList::RecordSize] = {};
        PutU32(record + 4, static_cast<uint32_t>(blockAt + 12 + sizeof record + titleShift));
        PutU16(record + 8, 300);
        record[30] = 1;
        std::string block = "<subcatalog>";
        block.append(reinterpret_cast<const char*>(record), sizeof record);
        block += std::string(300, 'L') + "</subcatalog>";
        builder.AddTextPage(block);
        builder.SetEntryOrder({0});
        std::string book = builder.Build();
        PatchU32(book, header::SubcatalogOffset, blockAt);
        PatchU16(book, header::Level1Count, 1);
        return book;
    };
    TMemoryStream stream(bookWithTitleAt(0));
    TWolfReader reader;
    reader.Open(stream);
    ASSERT_EQ(reader.TOC.Count(), 1);
    EXPECT_EQ(reader.TOC[0].Title(), std::string(TWolfTOCItem::MaxTitle, 'L'));

    const std::string pastTheEnd = bookWithTitleAt(0);
    TMemoryStream far(bookWithTitleAt(static_cast<int64_t>(pastTheEnd.size())));
    EXPECT_THROW(reader.Open(far), EReadError);
    // The kept bytes lie in the file, the title's last 46 do not.
    const int64_t titleAt = static_cast<int64_t>(pastTheEnd.find("<subcatalog>") + 12 + TWolfTOCList::RecordSize);
    TMemoryStream endsBeyond(bookWithTitleAt(static_cast<int64_t>(pastTheEnd.size()) - 254 - titleAt));
    EXPECT_THROW(reader.Open(endsBeyond), EReadError);
}

// A subcatalog title may be read from anywhere in the file. A description rewrite moves
// its offset with everything behind the description: a title in the header or in the
// description would then be read from other bytes, one in the page data moves along.
TEST(Findings, DescriptionRewriteRefusesOnlySubcatalogTitlesThatDoNotMove)
{
    TWolfBookBuilder builder;
    builder.Description = "<title>Tale\r\n";
    builder.AddTextPage("Chapter from the page");
    TWolfTOCList toc;
    toc.AddItem(1, 0, 0, "Own title 12", 0);
    builder.SetSubcatalog(toc);
    const std::string sound = builder.Build();
    const size_t record = sound.find("<subcatalog>") + 12;
    auto titledFrom = [&](size_t at) {
        std::string book = sound;
        PatchU32(book, record + 4, uint32_t(at));
        return book;
    };
    const std::string inHeader = titledFrom(4);  // "Ebook" of the signature
    TMemoryStream stream(inHeader);
    TWolfReader reader;
    reader.Open(stream);
    ASSERT_EQ(reader.TOC[0].Title().substr(0, 5), "Ebook");  // the reader takes such a book

    TWolfDescription description;
    description.SetField(0, "Another title");
    auto retitled = [&](const std::string& bytes) {
        return RewriteError([&](TStream& s, TStream& d) { ReplaceDescription(s, d, description); }, bytes);
    };
    EXPECT_EQ(retitled(inHeader), "Bad Wolf subcatalog");
    EXPECT_EQ(retitled(titledFrom(128 + 7)), "Bad Wolf subcatalog");  // "Tale" of the description
    // Records and page table are rewritten by the move: titles read from them would change.
    EXPECT_EQ(retitled(titledFrom(record + 4)), "Bad Wolf subcatalog");
    EXPECT_EQ(retitled(titledFrom(sound.find("</subcatalog>") + 13)), "Bad Wolf subcatalog");
    EXPECT_EQ(retitled(sound), "rewritten");

    const std::string inPages = titledFrom(sound.find("Chapter from"));
    TMemoryStream source(inPages);
    TMemoryStream destination;
    ReplaceDescription(source, destination, description);
    TMemoryStream rewritten(destination.Data());
    reader.Open(rewritten);
    EXPECT_EQ(reader.TOC[0].Title(), "Chapter from");
    EXPECT_EQ(reader.Description.GetField(0), "Another title");
}

// A table of contents of sections without a chapter: the catalog was sized for the book's
// title as its single item and counted it, but the item was not written, so the subcatalog
// stood elsewhere than the header said and held one record fewer.
TEST(Findings, TOCOfSectionsWithoutAChapterRewritesReadably)
{
    TWolfBookBuilder builder;
    builder.Description = "<title>Tale\r\n";
    builder.AddTextPage("text");
    const std::string book = builder.Build();
    TMemoryStream source(book);
    TWolfReader reader;
    reader.Open(source);
    TWolfTOCList toc;
    toc.AddItem(1, 1, 0, "Section", 0);
    toc.AddItem(1, 1, 1, "Detail", 0);
    TMemoryStream destination;
    ReplaceTOC(source, destination, reader.Pages, toc);

    TMemoryStream rewritten(destination.Data());
    ASSERT_NO_THROW(reader.Open(rewritten));
    ASSERT_EQ(reader.TOC.Count(), 2);
    EXPECT_EQ(reader.TOC[0].Title(), "Section");
    EXPECT_EQ(reader.TOC[1].Title(), "Detail");
}

// Bytes between the catalog and the page table, here a second copy of the page table, which
// the reader never looks at. The description rewrite copied them into the page table and
// left a book whose page table no reader could find.
TEST(Findings, DescriptionRewriteRefusesBytesInFrontOfThePageTable)
{
    TWolfBookBuilder builder;
    builder.AddTextPage("text");
    std::string book = builder.Build();
    const size_t pageTable = book.rfind("<pagetable");
    const std::string table = book.substr(pageTable);
    book.insert(pageTable, table);
    PatchU32(
        book, header::CatalogSize,
        GetU32(reinterpret_cast<const uint8_t*>(&book[header::CatalogSize])) + static_cast<uint32_t>(table.size()));
    TMemoryStream stream(book);
    TWolfReader reader;
    ASSERT_NO_THROW(reader.Open(stream));

    TWolfDescription description;
    description.SetField(0, "Another title");
    EXPECT_EQ(RewriteError([&](TStream& s, TStream& d) { ReplaceDescription(s, d, description); }, book),
              "Bad Wolf page table");
}

// An entries end before the entries start still reads one entry; a table-of-contents
// rewrite that shrinks the book moved that end below zero, where it wrapped to 4 GB and
// the new book read entries until the file ran out.
TEST(Findings, RewriteRefusesAnEntriesEndThatWouldWrap)
{
    TWolfBookBuilder builder;
    builder.AddTextPage("the page");
    builder.Catalog = {{std::string(400, 'c'), 0}, {"second", 0}};
    std::string book = builder.Build();
    const size_t parameters = book.rfind("<pagetable") + std::string("<pagetable version=\"001\">").size();
    PatchU32(book, parameters + 4, 200);

    TMemoryStream stream(book);
    TWolfReader reader;
    reader.Open(stream);
    ASSERT_EQ(reader.Pages.Count(), 1);

    TWolfTOCList emptied;
    EXPECT_EQ(RewriteError([&](TStream& s, TStream& d) { ReplaceTOC(s, d, reader.Pages, emptied); }, book),
              "Bad Wolf page table");
}
