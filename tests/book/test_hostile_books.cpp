// Books that lie about their sizes must be refused or shown as not valid, without
// allocating what they claim.
#include "BookBytes.h"
#include "WolfStream.h"
#include "uWolfBuilder.h"
#include "uWolfReader.h"

#include <gtest/gtest.h>

using namespace wolf;
using bookbytes::PatchU32;

namespace {
bool Decodes(TWolfBookBuilder& b, int page = 0)
{
    TMemoryStream stream(b.Build());
    TWolfReader reader;
    reader.Open(stream);
    TGreyImage image;
    try {
        reader.DecodePage(stream, page < 0 ? reader.Cover : reader.Pages[page], image);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
}  // namespace

TEST(HostileBooks, HugeDimensionsAreNotValid)
{
    for (const char* tag : {"img width=2147483647 height=2147483647 bitcount=2 compact=1 length=4",
                            "img width=16385 height=1 bitcount=1 compact=0 length=4",
                            "img width=16384 height=16384 bitcount=1 compact=1 length=4"}) {
        TWolfBookBuilder b;
        b.AddTaggedPage(tag, "abcd");
        EXPECT_FALSE(Decodes(b)) << tag;
    }
    TWolfBookBuilder fits;
    fits.AddTaggedPage("img width=8192 height=4096 bitcount=1 compact=1 length=4", "abcd");
    EXPECT_TRUE(Decodes(fits));
}

TEST(HostileBooks, LengthsPastTheEndFailWithTheReadError)
{
    TWolfBookBuilder b;
    b.AddTaggedPage("img width=8 height=8 bitcount=1 compact=1 length=2147483647", "abcd");
    b.AddTextPage("text");
    std::string bytes = b.Build();
    TMemoryStream stream(bytes);
    TWolfReader reader;
    reader.Open(stream);
    TGreyImage image;
    EXPECT_THROW(reader.DecodePage(stream, reader.Pages[0], image), EReadError);

    // A text page claiming 4 GiB: the page data block says so.
    PatchU32(bytes, header::PageDataSize, 0xFFFFFFF0);
    TMemoryStream lying(bytes);
    reader.Open(lying);
    std::vector<std::string> lines;
    EXPECT_THROW(reader.ReadTextPage(lying, reader.Pages[1], lines), EReadError);

    TWolfBookBuilder shortCover;
    shortCover.SetRawCover("\x01\x00\x08\x00\x01");
    shortCover.AddTextPage("x");
    EXPECT_FALSE(Decodes(shortCover, -1));
}

TEST(HostileBooks, OffsetSumsThatWrapAreRefused)
{
    TWolfBookBuilder b;
    b.AddTextPage("text");
    std::string bytes = b.Build();
    for (size_t field : {header::PageTableSize, header::CatalogSize}) {
        std::string lying = bytes;
        PatchU32(lying, field, 0xFFFFFFF0);
        TMemoryStream stream(lying);
        TWolfReader reader;
        EXPECT_THROW(reader.Open(stream), std::exception);
    }
    std::string farSubcatalog = bytes;
    PatchU32(farSubcatalog, header::SubcatalogOffset, 0xFFFFFF00);
    TMemoryStream stream(farSubcatalog);
    TWolfReader reader;
    EXPECT_THROW(reader.Open(stream), EReadError);
}

TEST(HostileBooks, PageTableCannotClaimMoreEntriesThanTheFileHolds)
{
    TWolfBookBuilder b;
    b.AddTextPage("text");
    std::string bytes = b.Build();
    const size_t parameters = bytes.rfind("<pagetable") + std::string("<pagetable version=\"001\">").size();
    PatchU32(bytes, parameters + 4, 0xFFFFFFFF);  // entries end
    TMemoryStream stream(bytes);
    TWolfReader reader;
    EXPECT_THROW(reader.Open(stream), EReadError);
}

TEST(HostileBooks, UnendedTagsAndTitlesEndAtTheFileEnd)
{
    TWolfBookBuilder b;
    b.AddTextPage("text");
    b.Catalog = {{"a", 0}, {"b", 0}};
    std::string bytes = b.Build();
    const size_t item = bytes.find("</item>");
    std::string unended = bytes;
    unended.replace(item, 7, "<!item>");
    unended.replace(unended.find("</item>"), 7, "<!item>");
    TMemoryStream stream(unended);
    TWolfReader reader;
    EXPECT_THROW(reader.Open(stream), EReadError);
}
