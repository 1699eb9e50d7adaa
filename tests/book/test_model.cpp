#include "uWolfDefs.h"

#include <gtest/gtest.h>

using namespace wolf;
using namespace std::string_literals;

namespace {
uint32_t K(uint8_t a, uint8_t b, uint8_t c)
{
    return TWolfTOCItem::MakeKey(a, b, c);
}
}  // namespace

TEST(Description, SizeFollowsChangesOnly)
{
    TWolfDescription d;
    EXPECT_EQ(d.Size, 0);
    EXPECT_EQ(d.ToText().size(), 107u);
    d.SetField(0, "Tale");
    EXPECT_EQ(d.Size, 111);
    EXPECT_EQ(static_cast<size_t>(d.Size), d.ToText().size());
    d.SetField(9, "ignored");
    d.SetField(-1, "ignored");
    EXPECT_EQ(d.GetField(9), "");
    EXPECT_EQ(d.Size, 111);
}

TEST(Description, SetFieldCutsThenTrims)
{
    TWolfDescription d;
    d.SetField(6, "2001-02-03 04:0 9999");  // 16th byte is a blank
    EXPECT_EQ(d.GetField(6), "2001-02-03 04:0");
    d.SetField(0, "  \t padded \r\n");
    EXPECT_EQ(d.GetField(0), "padded");
    d.SetField(7, std::string(2000, 'a'));
    EXPECT_EQ(d.GetField(7).size(), 1024u);
}

TEST(Description, FromTextJoinsContinuationLinesAndIgnoresForeignOnes)
{
    TWolfDescription d;
    d.FromText("junk before\r\n<author>A\r\nB\n<Title>not a tag\r\n<title>T1\r<title>T2\r\n\r\n<ISBN>1\0<ISBN>2"s);
    EXPECT_EQ(d.GetField(2), "A\r\nB\r\n<Title>not a tag");
    EXPECT_EQ(d.GetField(0), "T2");  // the later value wins; the trailing empty line is trimmed
    EXPECT_EQ(d.GetField(8), "1");   // the text ends at its NUL byte

    // Trimmed before it is cut: a leading zero byte does not end the text.
    d.FromText("\0<title>X\r\n\0<author>Y"s);
    EXPECT_EQ(d.GetField(0), "X");
    EXPECT_EQ(d.GetField(2), "");
}

TEST(Description, AllEmptyValuesKeepSizeZeroAndAssignRecalculates)
{
    TWolfDescription d;
    d.FromText("<title>\r\n<author>  \r\n");
    EXPECT_EQ(d.Size, 0);

    TWolfDescription source;
    source.FromText("<title>Tale\r\n<introduction>one\r\ntwo");
    TWolfDescription copy;
    copy.Assign(source);
    EXPECT_EQ(copy.ToText(), source.ToText());
    EXPECT_EQ(static_cast<size_t>(copy.Size), copy.ToText().size());
}

TEST(TOCItem, KeysAndLevels)
{
    TWolfTOCItem a(1, 2, 3, "x", 0);
    EXPECT_EQ(a.Level(), 3);
    EXPECT_EQ(a.ParentKey(), K(1, 2, 0));
    EXPECT_EQ(a.PrevSiblingKey(), K(1, 2, 2));
    EXPECT_EQ(a.NextSiblingKey(), K(1, 2, 4));
    EXPECT_EQ(a.FirstChildKey(), 0u);

    TWolfTOCItem b(1, 0, 0, "x", 0);
    EXPECT_EQ(b.Level(), 1);
    EXPECT_EQ(b.ParentKey(), 0u);
    EXPECT_EQ(b.PrevSiblingKey(), 0u);
    EXPECT_EQ(b.FirstChildKey(), K(1, 1, 0));
    EXPECT_TRUE(b.IsParentOf(TWolfTOCItem(1, 1, 0, "", 0)));
    EXPECT_FALSE(b.IsParentOf(TWolfTOCItem(1, 1, 1, "", 0)));

    EXPECT_EQ(TWolfTOCItem(1, 0, 5, "x", 0).Level(), 3);
    EXPECT_EQ(TWolfTOCItem(1, 255, 0, "x", 0).NextSiblingKey(), 0u);

    TWolfTOCItem c(2, 0, 0, "x", 0);
    c.SetNumber(2, 7);
    EXPECT_EQ(c.Level(), 2);
    c.SetNumber(4, 9);
    EXPECT_EQ(c.Key(), K(2, 7, 0));
    EXPECT_EQ(c.GetNumber(0), 0);
}

TEST(TOCItem, TitleKeepsAtMost254Bytes)
{
    TWolfTOCItem item(1, 0, 0, std::string(300, 't'), 0);
    EXPECT_EQ(item.Title().size(), 254u);
}

TEST(TOCList, SortsAndCopiesDeeply)
{
    TWolfTOCList list;
    list.AddItem(2, 1, 0, "2.1", 0);
    list.AddItem(1, 1, 1, "1.1.1", 0);
    list.AddItem(2, 0, 0, "2", 0);
    list.AddItem(1, 2, 0, "1.2", 0);
    list.AddItem(1, 0, 0, "1", 0);
    list.SortByDepth();
    std::vector<std::string> order;
    for (int i = 0; i < list.Count(); ++i) order.push_back(list[i].Title());
    EXPECT_EQ(order, (std::vector<std::string>{"1", "2", "2.1", "1.2", "1.1.1"}));

    TWolfTOCList copy;
    copy.CopyFrom(list);
    copy[0].SetTitle("changed");
    EXPECT_EQ(list[0].Title(), "1");

    list.SortByKey();
    EXPECT_EQ(list[0].Title(), "1");
    EXPECT_EQ(list[1].Title(), "1.1.1");
    EXPECT_EQ(list.IndexOfKey(K(2, 1, 0)), 4);
    EXPECT_EQ(list.IndexOfKey(K(9, 0, 0)), -1);
}

TEST(TOCList, SubcatalogRecordLinks)
{
    TWolfTOCList list;
    list.AddItem(1, 0, 0, "One", 0);
    list.AddItem(2, 0, 0, std::string(60, 'x'), 0);
    list.AddItem(1, 1, 0, "S1", 0);
    list.AddItem(1, 2, 0, "S2", 0);
    const uint32_t start = 1000;
    uint8_t r[80];
    auto u32 = [&](int at) {
        return uint32_t(r[at]) | uint32_t(r[at + 1]) << 8 | uint32_t(r[at + 2]) << 16 | uint32_t(r[at + 3]) << 24;
    };

    list.FillSubcatalogRecord(0, start, r);
    EXPECT_EQ(r[10], 2);  // child count
    EXPECT_EQ(u32(20), start + 160);
    EXPECT_EQ(u32(16), start + 80);
    EXPECT_EQ(r[30], 1);

    list.FillSubcatalogRecord(1, start, r);
    EXPECT_EQ(r[8], 60);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(r + 32), 48), std::string(40, 'x') + std::string(8, '\0'));
    EXPECT_EQ(u32(12), start);
    EXPECT_EQ(u32(20), 0u);

    list.FillSubcatalogRecord(2, start, r);
    EXPECT_EQ(u32(24), start);
    EXPECT_EQ(u32(12), 0u);  // a first section has no previous sibling, not its chapter
    EXPECT_EQ(u32(16), start + 240);
    EXPECT_EQ(u32(0), 0u);
    EXPECT_EQ(u32(4), 0u);

    list.FillSubcatalogRecord(3, start, r);
    EXPECT_EQ(u32(12), start + 160);
    EXPECT_EQ(u32(16), 0u);
}

TEST(PageList, FindByOffsetTakesFirstWithinNineBytes)
{
    TWolfPageList pages;
    pages.AddPageAt(990);
    pages.AddPageAt(1009);
    pages.AddPageAt(1012);
    EXPECT_EQ(pages.FindByOffset(1000), 1);

    TWolfPageList near;
    near.AddPageAt(995);
    near.AddPageAt(1000);
    EXPECT_EQ(near.FindByOffset(1000), 0);

    TWolfPageList extremes;
    extremes.AddPageAt(0xFFFFFFFF);
    EXPECT_EQ(extremes.FindByOffset(3), -1);  // no wrap-around
    EXPECT_EQ(extremes.FindByOffset(0xFFFFFFF6), 0);
}

TEST(Lists, DeleteOutsideTheListRaisesTheIndexError)
{
    TWolfPageList pages;
    pages.AddPageAt(100);
    TWolfTOCList toc;
    toc.AddItem(1, 0, 0, "One", 0);
    for (const int index : {-1, 1}) {
        EXPECT_THROW(pages.Delete(index), std::out_of_range);
        EXPECT_THROW(toc.Delete(index), std::out_of_range);
    }
    pages.Delete(0);
    EXPECT_TRUE(pages.Empty());
}
