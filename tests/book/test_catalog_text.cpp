#include "WolfStream.h"
#include "uCatalogText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace wolf;

namespace {

struct TEntry {
    uint32_t Key;
    std::string Title;
    int32_t PageIndex;
    bool operator==(const TEntry&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TEntry& e)
{
    return out << std::hex << e.Key << std::dec << " \"" << e.Title << "\" " << e.PageIndex;
}

std::vector<TEntry> Entries(const TWolfTOCList& toc)
{
    std::vector<TEntry> entries;
    for (int i = 0; i < toc.Count(); ++i) entries.push_back({toc[i].Key(), toc[i].Title(), toc[i].PageIndex});
    return entries;
}

std::vector<TEntry> Import(const std::vector<std::string>& lines)
{
    TWolfTOCList toc;
    CatalogTextToTOC(lines, toc);
    return Entries(toc);
}

std::string ImportError(const std::vector<std::string>& lines)
{
    TWolfTOCList toc;
    try {
        CatalogTextToTOC(lines, toc);
    } catch (const EWolf& e) {
        return e.what();
    }
    return "no error";
}

int32_t PageIndexOf(const std::string& pageText)
{
    return Import({"X... ..." + pageText}).at(0).PageIndex;
}

constexpr uint32_t Key(uint8_t a, uint8_t b, uint8_t c)
{
    return uint32_t{a} << 16 | uint32_t{b} << 8 | c;
}

}  // namespace

TEST(CatalogTextImport, NumbersEntriesByDepthAndCleansTitles)
{
    EXPECT_EQ(Import({"Intro... ...1", "\tSetup ... ... 12", "", "\t\t... ...3", "\t\tDeep... ...4", "\tNext... ...5",
                      "Notes... ...0", "  \tBlanks first... ...6"}),
              (std::vector<TEntry>{{Key(1, 0, 0), "Intro", 0},
                                   {Key(1, 1, 0), "Setup", 11},
                                   {Key(1, 1, 1), "(empty)", 2},
                                   {Key(1, 1, 2), "Deep", 3},
                                   {Key(1, 2, 0), "Next", 4},
                                   {Key(2, 0, 0), "Notes", -1},
                                   {Key(3, 0, 0), "Blanks first", 5}}));
}

TEST(CatalogTextImport, BlankOrEmptyTextGivesNoEntries)
{
    EXPECT_TRUE(Import({}).empty());
    EXPECT_TRUE(Import({"", "  \t ", "\r"}).empty());
}

TEST(CatalogTextImport, ReadsPageTextsLikeTheClassicIntegerConversion)
{
    EXPECT_EQ(PageIndexOf("-4"), -5);
    EXPECT_EQ(PageIndexOf("+7"), 6);
    EXPECT_EQ(PageIndexOf("   9"), 8);
    EXPECT_EQ(PageIndexOf("$1A"), 25);
    EXPECT_EQ(PageIndexOf("x10"), 15);
    EXPECT_EQ(PageIndexOf("0X10"), 15);
    EXPECT_EQ(PageIndexOf("-$2"), -3);
    EXPECT_EQ(PageIndexOf("2147483647"), 2147483646);
    EXPECT_EQ(PageIndexOf("-2147483648"), std::numeric_limits<int32_t>::min());
    // Not an integer, or beyond 32 bits: page 0, no page.
    for (const char* text :
         {"", "abc", "12abc", "1 2", "$", "0x", "- 3", "2147483648", "$100000000", "99999999999999999999"})
        EXPECT_EQ(PageIndexOf(text), -1) << text;
}

TEST(CatalogTextImport, ReportsTheFirstBadLineByItsNumber)
{
    EXPECT_EQ(ImportError({"\tSetup... ...2"}), "Bad TOC item level on line 1");
    EXPECT_EQ(ImportError({"A... ...1", "", "\t\tDetail... ...3"}), "Bad TOC item level on line 3");
    EXPECT_EQ(ImportError({"A... ...1", "\tB... ...1", "C... ...1", "\t\tD... ...1"}), "Bad TOC item level on line 4");
    EXPECT_EQ(ImportError({"A... ...1", "\tB... ...1", "\t\t\tDeep... ...3"}), "Bad TOC item level on line 3");
    EXPECT_EQ(ImportError({"A... ...1", "", "", "Chapter 3"}), "Bad TOC item - no page divider on line 4");
    EXPECT_EQ(ImportError({"A.. ...1"}), "Bad TOC item - no page divider on line 1");
}

TEST(CatalogTextImport, KeepsEntriesBeforeTheBadLine)
{
    TWolfTOCList toc;
    EXPECT_THROW(CatalogTextToTOC({"A... ...1", "B"}, toc), EWolf);
    EXPECT_EQ(Entries(toc), (std::vector<TEntry>{{Key(1, 0, 0), "A", 0}}));
}

TEST(CatalogTextImport, RefusesA256thSiblingInsteadOfNumberingItZero)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 255; ++i) lines.push_back("C... ...1");
    lines.push_back("\tS... ...1");
    for (int i = 0; i < 255; ++i) lines.push_back("\tS... ...1");
    EXPECT_EQ(ImportError(lines), "Too many TOC items under one parent on line 511");
    lines.resize(256);
    EXPECT_EQ(Import(lines).back().Key, Key(255, 1, 0));
    lines.insert(lines.begin(), "C... ...1");
    EXPECT_EQ(ImportError(lines), "Too many TOC items under one parent on line 256");
}

TEST(CatalogTextExport, WritesIndentTitleDividerAndPageInKeyOrder)
{
    TWolfTOCList toc;
    toc.AddItem(2, 0, 0, "Two", 9);
    toc.AddItem(1, 1, 1, "Deep", 0);
    toc.AddItem(1, 0, 0, "One", -1);
    toc.AddItem(1, 1, 0, "Sec", 2147483646);
    std::vector<std::string> lines{"stale"};
    TOCToCatalogText(toc, lines);
    EXPECT_EQ(lines,
              (std::vector<std::string>{"One... ...0", "\tSec... ...2147483647", "\t\tDeep... ...1", "Two... ...10"}));
    EXPECT_EQ(toc[0].Title(), "One");  // the caller's list is left in key order
    EXPECT_EQ(toc[3].Title(), "Two");

    TWolfTOCList empty;
    TOCToCatalogText(empty, lines);
    EXPECT_TRUE(lines.empty());
}

TEST(CatalogTextExport, ImportGivesBackTheSameEntriesWithClosedGaps)
{
    TWolfTOCList toc;
    toc.AddItem(1, 0, 0, "One", 0);
    toc.AddItem(1, 3, 0, "Section", 4);
    toc.AddItem(1, 3, 7, "Sub", -1);
    toc.AddItem(5, 0, 0, " padded ", 2);
    std::vector<std::string> lines;
    TOCToCatalogText(toc, lines);
    EXPECT_EQ(Import(lines), (std::vector<TEntry>{{Key(1, 0, 0), "One", 0},
                                                  {Key(1, 1, 0), "Section", 4},
                                                  {Key(1, 1, 1), "Sub", -1},
                                                  {Key(2, 0, 0), "padded", 2}}));
}

TEST(CatalogTextFile, WritesCrLfAfterEveryLineAndReadsAnyLineBreak)
{
    const std::string path = (std::filesystem::temp_directory_path() / "karavel_catalog_test.cat").string();
    WriteCatalogFile(path, {"A... ...1", "\tB... ...2"});
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        EXPECT_EQ(bytes.str(), "A... ...1\r\n\tB... ...2\r\n");
    }
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        const char bytes[] = "A... ...1\rB\nC... ...3\r\n\r\nD... ...4\0E... ...5";
        out.write(bytes, sizeof bytes - 1);
    }
    const std::vector<std::string> lines = ReadCatalogFile(path);
    EXPECT_EQ(lines, (std::vector<std::string>{"A... ...1", "B", "C... ...3", "", "D... ...4"}));
    std::filesystem::remove(path);
}

#ifdef __linux__
TEST(CatalogTextFile, ReportsAFullDiskInsteadOfLosingTheLastLines)
{
    EXPECT_THROW(WriteCatalogFile("/dev/full", {"A... ...1"}), EStreamError);
}
#endif
