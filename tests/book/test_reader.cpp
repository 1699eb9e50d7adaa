#include "BookBytes.h"
#include "WolfStream.h"
#include "uWolfBuilder.h"
#include "uWolfReader.h"

#include <gtest/gtest.h>

using namespace wolf;
using namespace bookbytes;

namespace {

const std::string SmallImage(4, '\xFF');  // 1-bit, 8 by 4

struct TOpened {
    TWolfReader Reader;
    bool FromSubcatalog = false;
    TMemoryStream Stream;
    explicit TOpened(const std::string& bytes) : Stream(bytes) { FromSubcatalog = Reader.Open(Stream); }
};

std::string OpenError(const std::string& bytes)
{
    TMemoryStream stream(bytes);
    TWolfReader reader;
    try {
        reader.Open(stream);
    } catch (const std::exception& e) {
        EXPECT_EQ(reader.Pages.Count(), 0);  // a failed open leaves an empty book
        return e.what();
    }
    return "opened";
}

TWolfBookBuilder ThreePages()
{
    TWolfBookBuilder b;
    b.Description = "<title>Tale\r\n<author>Me\r\n";
    b.AddImagePage(8, 4, 1, false, SmallImage);
    b.AddTextPage("\r\n  Hello &amp;lt; world\r\nline two \t\r\n");  // blanks around the text
    b.AddImagePage(8, 4, 1, false, SmallImage);
    b.Catalog = {{"One", 0}, {"Two", 2}};
    return b;
}

}  // namespace

TEST(Reader, OpensACatalogBook)
{
    TOpened book(ThreePages().Build());
    const TWolfReader& r = book.Reader;
    EXPECT_FALSE(book.FromSubcatalog);
    EXPECT_FALSE(r.HasCover());
    EXPECT_EQ(r.Cover.Offset, 0u);
    EXPECT_EQ(r.Description.GetField(0), "Tale");
    ASSERT_EQ(r.Pages.Count(), 3);
    EXPECT_TRUE(r.Pages[0].IsImage());
    EXPECT_EQ(r.Pages[0].Width, 8);
    EXPECT_EQ(r.Pages[0].DataLength, 4u);
    EXPECT_EQ(r.Pages[0].DataOffset, 0u);
    EXPECT_TRUE(r.Pages[1].IsText());
    EXPECT_EQ(r.Pages[1].DataLength, r.Pages[2].Offset - r.Pages[1].Offset);
    ASSERT_EQ(r.TOC.Count(), 2);
    EXPECT_EQ(r.TOC[1].Key(), TWolfTOCItem::MakeKey(2, 0, 0));
    EXPECT_EQ(r.TOC[1].PageIndex, 2);

    std::vector<std::string> lines;
    book.Reader.ReadTextPage(book.Stream, r.Pages[1], lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"Hello &lt; world", "line two"}));
}

TEST(Reader, SingleCatalogItemMeansNoTableOfContents)
{
    auto b = ThreePages();
    b.Catalog = {{"Tale", 0}};
    EXPECT_EQ(TOpened(b.Build()).Reader.TOC.Count(), 0);
}

TEST(Reader, BothEntryFormsOrderAndDuplicatesGiveTheSamePages)
{
    auto b = ThreePages();
    b.SetEntryOrder({2, 0, 2, 1, 0});
    b.ShortEntries = false;
    TOpened book(b.Build());
    ASSERT_EQ(book.Reader.Pages.Count(), 3);
    EXPECT_EQ(book.Reader.Pages[0].Offset, b.PageOffset(0));
    EXPECT_EQ(book.Reader.Pages[2].Offset, b.PageOffset(2));
}

TEST(Reader, ZeroEntryIsAnInvalidFirstPage)
{
    auto b = ThreePages();
    b.AddRawEntry(0);
    TOpened book(b.Build());
    ASSERT_EQ(book.Reader.Pages.Count(), 4);
    EXPECT_FALSE(book.Reader.Pages[0].IsValid());
    EXPECT_EQ(book.Reader.TOC[0].PageIndex, 1);  // the table of contents sees the sorted pages
}

TEST(Reader, StepsOverCatalogAndClosingImageTags)
{
    TWolfBookBuilder b;
    b.AddImagePage(8, 4, 1, false, SmallImage, false);
    b.AddTextPage("<catalog></img>");
    b.AddImagePage(8, 4, 1, false, SmallImage);
    b.SetEntryOrder({0, 1});  // the second entry points at the tags before the third record
    TOpened book(b.Build());
    ASSERT_EQ(book.Reader.Pages.Count(), 2);
    EXPECT_EQ(book.Reader.Pages[1].Offset, b.PageOffset(2));
    EXPECT_TRUE(book.Reader.Pages[1].IsImage());
}

TEST(Reader, ClassifiesImageTagsByTheirText)
{
    TWolfBookBuilder b;
    b.AddTaggedPage("IMG width=8 height=4 bitcount=1 compact=0 length=4 colour=7", SmallImage);
    b.AddTaggedPage("image width=8", SmallImage);
    TOpened book(b.Build());
    EXPECT_TRUE(book.Reader.Pages[0].IsImage());
    EXPECT_EQ(book.Reader.Pages[0].Height, 4);
    EXPECT_FALSE(book.Reader.Pages[1].IsValid());
}

TEST(Reader, Messages)
{
    EXPECT_EQ(OpenError(std::string(100, 'W')), "Stream read error");

    auto notWolf = ThreePages();
    notWolf.Magic = "WolfBook";
    EXPECT_EQ(OpenError(notWolf.Build()), "This is not a Wolf file");
    auto lower = ThreePages();
    lower.Magic = "wolfebook2";
    EXPECT_EQ(OpenError(lower.Build()), "opened");

    std::string book = ThreePages().Build();
    std::string badTable = book;
    badTable.replace(badTable.rfind("<pagetable"), 10, "<pageTablX");
    EXPECT_EQ(OpenError(badTable), "Bad Wolf page table");

    std::string badCatalog = book;
    badCatalog.replace(badCatalog.find("<catalog>"), 9, "<katalog>");
    EXPECT_EQ(OpenError(badCatalog), "Bad Wolf catalog");
    std::string unclosedCatalog = book;
    unclosedCatalog.replace(unclosedCatalog.find("</catalog>"), 10, "</katalog>");
    EXPECT_EQ(OpenError(unclosedCatalog), "Bad Wolf catalog");

    auto negative = ThreePages();
    negative.AddTaggedPage("img width=-8 height=4", SmallImage);
    EXPECT_EQ(OpenError(negative.Build()), "Bad Wolf page description");
    auto notNumber = ThreePages();
    notNumber.AddTaggedPage("img width=8x height=4", SmallImage);
    EXPECT_EQ(OpenError(notNumber.Build()), "Bad Wolf page description");

    TWolfTOCList toc;
    toc.AddItem(1, 0, 0, "One", 0);
    auto sub = ThreePages();
    sub.SetSubcatalog(toc);
    std::string badSub = sub.Build();
    badSub.replace(badSub.find("</subcatalog>"), 13, "</subkatalog>");
    EXPECT_EQ(OpenError(badSub), "Bad Wolf subcatalog");

    EXPECT_EQ(OpenError(book.substr(0, book.size() - 2)), "Bad Wolf page table");
}

TEST(Reader, SubcatalogWithAndWithoutFillerByte)
{
    TWolfTOCList toc;
    toc.AddItem(1, 0, 0, "Chapter", 0);
    toc.AddItem(1, 1, 0, std::string(60, 's'), 1);
    toc.AddItem(1, 1, 1, "Deep", -1);
    toc.AddItem(2, 0, 0, "Two", 2);
    for (bool filler : {true, false}) {
        auto b = ThreePages();
        b.SetSubcatalog(toc, filler);
        TOpened book(b.Build());
        EXPECT_TRUE(book.FromSubcatalog);
        ASSERT_EQ(book.Reader.TOC.Count(), 4);
        const auto& t = book.Reader.TOC;  // sorted by key
        EXPECT_EQ(t[1].Title(), std::string(60, 's'));
        EXPECT_EQ(t[1].PageIndex, 1);
        EXPECT_EQ(t[2].Key(), TWolfTOCItem::MakeKey(1, 1, 1));
        EXPECT_EQ(t[2].PageIndex, 0);  // offset 0 lies at the first page's record
        EXPECT_EQ(t[3].Title(), "Two");
    }
}

TEST(Reader, CatalogOffsetsFindPagesWithinNineBytes)
{
    auto b = ThreePages();
    std::string book = b.Build();
    const uint32_t secondRelative = b.PageOffset(2) - b.PageBase();
    const size_t at = book.find("Two</item>") + 10;
    for (auto [delta, expected] : {std::pair{-5, 2}, std::pair{-12, -1}}) {
        std::string changed = book;
        const uint32_t v = secondRelative + static_cast<uint32_t>(delta);
        for (int i = 0; i < 4; ++i) changed[at + i] = static_cast<char>(v >> (8 * i));
        EXPECT_EQ(TOpened(changed).Reader.TOC[1].PageIndex, expected);
    }
}

TEST(Reader, CatalogOf300ItemsWrapsNumbersToEightBits)
{
    auto b = ThreePages();
    b.Catalog.clear();
    for (int i = 0; i < 300; ++i) b.Catalog.push_back({"c" + std::to_string(i), 0});
    TOpened book(b.Build());
    int zeroes = 0;
    for (int i = 0; i < book.Reader.TOC.Count(); ++i) zeroes += book.Reader.TOC[i].GetNumber(1) == 0;
    EXPECT_EQ(book.Reader.TOC.Count(), 300);
    EXPECT_EQ(zeroes, 1);
}

TEST(Reader, ShortTitleWithoutTerminatorGives48Bytes)
{
    TWolfTOCList toc;
    toc.AddItem(1, 0, 0, std::string(48, 'q'), 0);
    auto b = ThreePages();
    b.SetSubcatalog(toc);
    std::string book = b.Build();
    // Title length 0 makes the reader take the full 48-byte short title; the titles area goes.
    const size_t record = book.find("<subcatalog>") + 12;
    book[record + 8] = 0;
    book.replace(record + 32, 48, std::string(48, 'q'));
    book.erase(record + 80, 48);
    const size_t parameters = book.rfind("</pagetable>") - 52;
    for (size_t at : {parameters, parameters + 4}) PatchU32(book, at, U32At(book, at) - 48);
    TOpened opened(book);
    EXPECT_EQ(opened.Reader.TOC[0].Title(), std::string(48, 'q'));
}

TEST(Reader, CoverAttributes)
{
    auto b = ThreePages();
    b.SetCover(8, 4, 1, true, "xy");
    TOpened book(b.Build());
    ASSERT_TRUE(book.Reader.HasCover());
    EXPECT_TRUE(book.Reader.Cover.Compact);
    EXPECT_EQ(book.Reader.Cover.Offset, 128u + b.Description.size());
    EXPECT_EQ(book.Reader.Cover.DataOffset, book.Reader.Cover.Offset + 10);
    EXPECT_EQ(book.Reader.Cover.DataLength, 2u);
}

// The field positions written out here, apart from the library's own constants, so that a
// position wrong in both the builder and the reader cannot pass unseen.
TEST(Header, FieldsStandAtTheirFixedPositions)
{
    auto b = ThreePages();
    b.SetCover(8, 4, 1, false, SmallImage);
    TWolfTOCList toc;
    toc.AddItem(1, 0, 0, "One", 0);
    toc.AddItem(1, 1, 0, "One.1", 1);
    toc.AddItem(1, 1, 1, "One.1.1", 2);
    b.SetSubcatalog(toc);
    const std::string book = b.Build();
    auto u16 = [&](size_t at) { return unsigned(uint8_t(book[at])) | unsigned(uint8_t(book[at + 1])) << 8; };
    auto u32 = [&](size_t at) { return u16(at) | u16(at + 2) << 16; };

    EXPECT_EQ(book.substr(0, 15), std::string("WolfEbook1.11\0\0", 15));
    EXPECT_EQ(u16(23), b.Description.size());
    EXPECT_EQ(u32(25), 10u + SmallImage.size());
    const size_t pageBase = 128 + b.Description.size() + 10 + SmallImage.size();
    const size_t catalog = book.find("<catalog>");
    const size_t pageTable = book.find("<pagetable");
    EXPECT_EQ(u32(38), catalog - pageBase);
    EXPECT_EQ(u32(30), pageTable - catalog);
    EXPECT_EQ(u32(60), book.size() - pageTable);
    EXPECT_EQ(u16(34), 1u);
    EXPECT_EQ(u16(95), 2u);
    EXPECT_EQ(u32(97), book.find("<subcatalog>"));

    TOpened opened(book);
    EXPECT_EQ(opened.Reader.Cover.DataLength, SmallImage.size());
    EXPECT_EQ(opened.Reader.Pages[0].Offset, pageBase);
    ASSERT_EQ(opened.Reader.TOC.Count(), 3);
    EXPECT_EQ(opened.Reader.TOC[2].Title(), "One.1.1");
}

TEST(TokenReaders, StopExactlyAtWhatTheyReturn)
{
    TMemoryStream s(std::string("<a b>x</item>yz<catalog>"));
    EXPECT_EQ(ReadTag(s), "a b");
    EXPECT_EQ(ReadUntil(s, "</item>"), "x");
    EXPECT_EQ(s.Position(), 13u);
    EXPECT_EQ(ReadTag(s), "");  // 'y' is consumed all the same
    EXPECT_EQ(ReadUntil(s, ""), "");
    EXPECT_TRUE(ExpectText(s, "z<cat"));
    EXPECT_FALSE(ExpectText(s, "dog"));
    EXPECT_EQ(ReadTag(s), "");
    EXPECT_THROW(s.ReadU16(), EReadError);
}

TEST(FileStream, BufferedReadingKeepsThePositionExact)
{
    const std::string path = testing::TempDir() + "/stream.bin";
    std::string bytes;
    for (int i = 0; i < 200000; ++i) bytes += static_cast<char>(i * 7);
    {
        TFileStream out(path, TFileStream::TMode::Create);
        out.WriteText(bytes.substr(0, 100));
        out.WriteText(bytes.substr(100));
        out.Sync();
    }
    TFileStream in(path, TFileStream::TMode::OpenRead);
    EXPECT_EQ(in.Size(), bytes.size());
    EXPECT_EQ(in.ReadByte(), static_cast<uint8_t>(bytes[0]));
    in.Seek(-10, TSeekOrigin::End);
    EXPECT_EQ(in.ReadString(10), bytes.substr(bytes.size() - 10));
    in.Seek(70000, TSeekOrigin::Begin);
    EXPECT_EQ(in.ReadString(100000), bytes.substr(70000, 100000));
    in.Seek(-3, TSeekOrigin::Current);
    EXPECT_EQ(in.ReadU16(), static_cast<uint8_t>(bytes[169997]) | static_cast<uint8_t>(bytes[169998]) << 8);
    EXPECT_EQ(in.Position(), 169999u);
    EXPECT_THROW(in.Seek(-1, TSeekOrigin::Begin), EReadError);
    EXPECT_THROW(TFileStream(path + ".missing", TFileStream::TMode::OpenRead), EFOpenError);
}

TEST(FileStream, GoingBackToAPlaceReadBeforeSeesWhatWasWrittenSince)
{
    const std::string path = testing::TempDir() + "/stream_rewritten.bin";
    TFileStream file(path, TFileStream::TMode::Create);
    file.WriteText(std::string(10000, 'a'));
    file.Seek(5000, TSeekOrigin::Begin);
    EXPECT_EQ(file.ReadByte(), 'a');
    file.Seek(0, TSeekOrigin::Begin);
    EXPECT_EQ(file.ReadByte(), 'a');
    file.Seek(5000, TSeekOrigin::Begin);  // back and forth: both places stay read
    EXPECT_EQ(file.ReadString(2), "aa");
    file.Seek(0, TSeekOrigin::Begin);
    file.WriteText(std::string(6000, 'b'));
    file.Seek(5000, TSeekOrigin::Begin);
    EXPECT_EQ(file.ReadString(2), "bb");
    file.Seek(1000, TSeekOrigin::Begin);
    EXPECT_EQ(file.ReadString(2), "bb");
}
