#include "Lzss.h"
#include "WolfStream.h"
#include "uWolfBuilder.h"
#include "uWolfReader.h"

#include <gtest/gtest.h>

using namespace wolf;

namespace {

// Decodes the single page of a book built around the given image data.
TGreyImage DecodeOnly(int width, int height, int bitCount, bool compact, const std::string& data)
{
    TWolfBookBuilder b;
    b.AddImagePage(width, height, bitCount, compact, data);
    TMemoryStream stream(b.Build());
    TWolfReader reader;
    reader.Open(stream);
    TGreyImage image;
    reader.DecodePage(stream, reader.Pages[0], image);
    return image;
}

std::vector<uint8_t> Row(const TGreyImage& image, int y)
{
    auto first = image.Pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.Width;
    return {first, first + image.Width};
}

std::string PackedTwoBitPage(int width, int height)
{
    std::string raw;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < (width + 3) / 4; ++x) raw += static_cast<char>((x * 37 + y * 11) % 7 == 0 ? 0x1B : 0xFF);
    return raw;
}

}  // namespace

TEST(Decoder, RawOneBitRowsArePaddedToWholeBytes)
{
    TGreyImage image = DecodeOnly(10, 2, 1, false, std::string("\xFF\xC0\x00\x00", 4));
    EXPECT_EQ(Row(image, 0), std::vector<uint8_t>(10, 0));
    EXPECT_EQ(Row(image, 1), std::vector<uint8_t>(10, 255));
}

TEST(Decoder, RawTwoBitLevels)
{
    TGreyImage image = DecodeOnly(3, 1, 2, false, "\x1B");
    EXPECT_EQ(Row(image, 0), (std::vector<uint8_t>{0, 128, 192}));
}

TEST(Decoder, CompactLiteralsAndOverlappingMatch)
{
    // Eight literals.
    TGreyImage eight = DecodeOnly(32, 1, 2, true, std::string("\xFF\x00\x55\xAA\xFF\x1B\x00\x00\x00", 9));
    EXPECT_EQ(eight.Pixel(4, 0), 128);
    EXPECT_EQ(eight.Pixel(16, 0), 0);
    EXPECT_EQ(eight.Pixel(17, 0), 128);

    // One literal (stored at 4078), then a match of 3 from 4078: the byte four times.
    const std::string data("\x01\x1B\xEE\xF0", 4);
    TGreyImage repeated = DecodeOnly(16, 1, 2, true, data);
    for (int x = 0; x < 16; x += 4)
        EXPECT_EQ((std::vector<uint8_t>{repeated.Pixel(x, 0), repeated.Pixel(x + 1, 0), repeated.Pixel(x + 2, 0),
                                        repeated.Pixel(x + 3, 0)}),
                  (std::vector<uint8_t>{0, 128, 192, 255}));
}

TEST(Decoder, UnwrittenWindowHoldsBlanks)
{
    // A match before any literal reads the initial window: 0x20 = values 0,2,0,0.
    TGreyImage image = DecodeOnly(12, 1, 2, true, std::string("\x00\x00\x00", 3));
    EXPECT_EQ(Row(image, 0), (std::vector<uint8_t>{0, 192, 0, 0, 0, 192, 0, 0, 0, 192, 0, 0}));
}

TEST(Decoder, SurplusIsDroppedAndShortDataLeavesWhite)
{
    TGreyImage surplus = DecodeOnly(4, 1, 2, false, std::string("\x00\x00\x00\x00", 4));
    EXPECT_EQ(Row(surplus, 0), std::vector<uint8_t>(4, 0));

    TGreyImage shortData = DecodeOnly(8, 3, 1, true, std::string("\x01\xFF", 2));
    EXPECT_EQ(Row(shortData, 0), std::vector<uint8_t>(8, 0));
    EXPECT_EQ(Row(shortData, 2), std::vector<uint8_t>(8, 255));

    TGreyImage otherDepth = DecodeOnly(4, 1, 4, false, std::string("\x00\x00", 2));
    EXPECT_EQ(Row(otherDepth, 0), std::vector<uint8_t>(4, 255));
}

TEST(Decoder, PackerRoundTripsARealisticPage)
{
    const std::string raw = PackedTwoBitPage(600, 800);
    const std::string packed = lzss::Pack(raw);
    EXPECT_LT(packed.size(), raw.size() / 3);
    TGreyImage fromPacked = DecodeOnly(600, 800, 2, true, packed);
    TGreyImage fromRaw = DecodeOnly(600, 800, 2, false, raw);
    EXPECT_EQ(fromPacked.Pixels, fromRaw.Pixels);
}

TEST(Decoder, PackerRoundTripsShortRunsPatternsAndNoise)
{
    // Lengths around the match limits and the word-wide comparison, ends cut at every place.
    uint32_t noise = 1;
    for (size_t size = 0; size <= 80; ++size)
        for (int kind = 0; kind < 3; ++kind) {
            std::string raw(size, '\xFF');
            for (size_t i = 0; i < size; ++i) {
                noise = noise * 1103515245u + 12345u;
                if (kind == 1) raw[i] = "\x1B\xFF\x00\xE4\x1B"[i % 5];
                if (kind == 2 && (noise >> 16) % 3 != 0) raw[i] = static_cast<char>(noise >> 24);
            }
            const std::string packed = lzss::Pack(raw);
            std::string back(size, '\0');
            EXPECT_EQ(lzss::Unpack(packed, reinterpret_cast<uint8_t*>(back.data()), size), size);
            EXPECT_EQ(back, raw) << "size " << size << " kind " << kind;
        }
}

TEST(Decoder, RawDataThatIsNoWholeNumberOfRowsFails)
{
    EXPECT_THROW(DecodeOnly(8, 2, 1, false, "abcde"), EWolf);
    EXPECT_THROW(DecodeOnly(8, 4, 1, false, "ab"), EWolf);  // row size 0
    EXPECT_THROW(DecodeOnly(0, 4, 1, false, "abcd"), EWolf);
    EXPECT_EQ(DecodeOnly(8, 2, 1, false, "").Pixels, std::vector<uint8_t>(16, 255));
}

TEST(Decoder, CoverIsReadWithoutATagAndImagePagesRereadTheirTag)
{
    TWolfBookBuilder b;
    b.SetCover(8, 1, 1, false, "\x0F");
    b.AddImagePage(8, 1, 1, false, "\xF0");
    const std::string bytes = b.Build();
    TMemoryStream stream(bytes);
    TWolfReader reader;
    reader.Open(stream);
    TGreyImage cover;
    reader.DecodePage(stream, reader.Cover, cover);
    EXPECT_EQ(cover.Pixel(0, 0), 255);
    EXPECT_EQ(cover.Pixel(7, 0), 0);

    // A page whose tag went bad after opening stays invalid.
    std::string broken = bytes;
    broken[reader.Pages[0].Offset + 1] = 'x';
    TMemoryStream brokenStream(broken);
    TGreyImage page;
    EXPECT_THROW(reader.DecodePage(brokenStream, reader.Pages[0], page), EWolf);
    EXPECT_FALSE(reader.Pages[0].IsValid());
}
