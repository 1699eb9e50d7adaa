// Turns a page's image data, raw or LZSS-packed, 1 or 2 bits a pixel, into a grey picture.
#include "PageDecoder.h"

#include "Lzss.h"
#include "uWolfReader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace wolf {

namespace {

// The pixels of every data byte, so that a row unpacks with one table copy per byte.
struct TUnpackTables {
    std::array<std::array<uint8_t, 8>, 256> OneBit{};  // a set bit is black
    std::array<std::array<uint8_t, 4>, 256> TwoBit{};
    TUnpackTables()
    {
        for (int b = 0; b < 256; ++b) {
            for (int i = 0; i < 8; ++i) OneBit[b][i] = (b >> (7 - i)) & 1 ? 0 : 255;
            for (int i = 0; i < 4; ++i) TwoBit[b][i] = GreyLevels[(b >> (6 - 2 * i)) & 3];
        }
    }
};
const TUnpackTables Tables;

// Turns the decoded byte sequence into grey pixels row by row; what the data does not
// reach stays white.
void UnpackRows(const uint8_t* packed, size_t available, int32_t bitCount, TGreyImage& image)
{
    const size_t width = static_cast<size_t>(image.Width);
    const size_t pixelsPerByte = bitCount == 1 ? 8 : 4;
    const size_t rowBytes = (width + pixelsPerByte - 1) / pixelsPerByte;
    for (size_t y = 0; y < static_cast<size_t>(image.Height) && y * rowBytes < available; ++y) {
        uint8_t* row = image.Pixels.data() + y * width;
        const uint8_t* source = packed + y * rowBytes;
        const size_t bytes = std::min(rowBytes, available - y * rowBytes);
        const size_t whole = std::min(bytes, width / pixelsPerByte);
        if (bitCount == 1) {
            for (size_t x = 0; x < whole; ++x) std::memcpy(row + 8 * x, Tables.OneBit[source[x]].data(), 8);
        } else {
            for (size_t x = 0; x < whole; ++x) std::memcpy(row + 4 * x, Tables.TwoBit[source[x]].data(), 4);
        }
        if (whole < bytes) {  // the last byte of the row holds padding beyond the width
            const uint8_t* pixels =
                bitCount == 1 ? Tables.OneBit[source[whole]].data() : Tables.TwoBit[source[whole]].data();
            std::memcpy(row + whole * pixelsPerByte, pixels, width - whole * pixelsPerByte);
        }
    }
}

void CheckPictureSize(const TWolfPageItem& page)
{
    if (page.Width <= 0 || page.Height <= 0 || page.Width > MaxPageSide || page.Height > MaxPageSide ||
        int64_t{page.Width} * page.Height > MaxPagePixels)
        RaiseWolfError("Bad Wolf page description");
}

constexpr uint8_t NotALevel = 0xFF;

// The stored code of every grey value, NotALevel for values the decoder never shows.
struct TLevelCodes {
    std::array<uint8_t, 256> OneBit{};  // a set bit is black
    std::array<uint8_t, 256> TwoBit{};
    TLevelCodes()
    {
        OneBit.fill(NotALevel);
        TwoBit.fill(NotALevel);
        OneBit[GreyLevels[0]] = 1;
        OneBit[GreyLevels[3]] = 0;
        for (uint8_t code = 0; code < 4; ++code) TwoBit[GreyLevels[code]] = code;
    }
};
const TLevelCodes Codes;

[[noreturn]] void RaiseBadLevel(int x, int y, uint8_t value, int bits)
{
    RaiseWolfError("The pixel at " + std::to_string(x) + "," + std::to_string(y) + " has the grey value " +
                   std::to_string(value) + ", which " + std::to_string(bits) + "-bit pages cannot hold (" +
                   (bits == 1 ? "0 or 255" : "0, 128, 192 or 255") + ")");
}

// Eight pixels in one 64-bit word, the first in the lowest byte, packed into Bits bytes at
// out with arithmetic instead of one table look-up a pixel. Returns what is not 0 when a pixel
// is no level: the bits of a level (0, 128, 192, 255) are a run from the top bit down.
template <int Bits>
uint64_t PackEight(const uint8_t* pixels, uint8_t* out)
{
    constexpr uint64_t Ones = 0x0101010101010101;
    uint64_t word;
    std::memcpy(&word, pixels, 8);
    const uint64_t top = word >> 7 & Ones, second = word >> 6 & Ones, low = word & Ones;
    if constexpr (Bits == 1) {
        // A set bit is black; the first pixel goes to the top bit.
        out[0] = static_cast<uint8_t>(((~word & Ones) * 0x8040201008040201) >> 56);
        return word ^ low * 0xFF;
    } else {
        const uint64_t codes = top + second + low;  // 0 to 3 in each byte
        // Neighbours joined in pairs, then pairs of pairs, the first in the higher bits.
        const uint64_t pairs = (codes & 0x00FF00FF00FF00FF) << 2 | (codes >> 8 & 0x00FF00FF00FF00FF);
        const uint64_t fours = (pairs & 0x0000FFFF0000FFFF) << 4 | (pairs >> 16 & 0x0000FFFF0000FFFF);
        out[0] = static_cast<uint8_t>(fours);
        out[1] = static_cast<uint8_t>(fours >> 32);
        return (word ^ (top << 7 | second << 6 | low * 63)) | (second & ~top) | (low & ~second);
    }
}

// Eight pixels at a time where the byte order allows, the rest one output byte at a time, so
// that the compiler unrolls the pixels of each and no pixel is checked against the width;
// values that are no level are looked for once a row.
template <int Bits>
std::string PackRowsOf(const TGreyImage& image)
{
    constexpr size_t PerByte = 8 / Bits;
    const std::array<uint8_t, 256>& codes = Bits == 1 ? Codes.OneBit : Codes.TwoBit;
    const size_t width = static_cast<size_t>(image.Width);
    const size_t rowBytes = RowBytes(image.Width, Bits);
    const size_t wholeBytes = width / PerByte;
    const size_t eights = std::endian::native == std::endian::little ? width / 8 : 0;
    std::string rows(rowBytes * static_cast<size_t>(image.Height), '\0');
    for (size_t y = 0; y < static_cast<size_t>(image.Height); ++y) {
        const uint8_t* pixels = image.Pixels.data() + y * width;
        auto* row = reinterpret_cast<uint8_t*>(rows.data()) + y * rowBytes;
        uint64_t bad = 0;
        for (size_t eight = 0; eight < eights; ++eight) bad |= PackEight<Bits>(pixels + 8 * eight, row + Bits * eight);
        unsigned seen = 0;
        const auto pack = [&](size_t byte, size_t count) {
            unsigned value = 0;
            for (size_t k = 0; k < count; ++k) {
                const uint8_t code = codes[pixels[byte * PerByte + k]];
                seen |= code;
                value = value << Bits | code;
            }
            row[byte] = static_cast<uint8_t>(value << (Bits * (PerByte - count)));  // padding stays 0
        };
        for (size_t byte = eights * Bits; byte < wholeBytes; ++byte) pack(byte, PerByte);
        if (wholeBytes < rowBytes) pack(wholeBytes, width - wholeBytes * PerByte);
        if (bad != 0 || (seen & 0x80)) {  // only NotALevel has the high bit
            for (size_t x = 0; x < width; ++x)
                if (codes[pixels[x]] == NotALevel)
                    RaiseBadLevel(static_cast<int>(x), static_cast<int>(y), pixels[x], Bits);
        }
    }
    return rows;
}

}  // namespace

void TWolfReader::DecodePage(TStream& stream, TWolfPageItem& page, TGreyImage& image)
{
    if (page.Offset == 0) return;
    if (page.DataOffset != 0)
        stream.Seek(page.DataOffset, TSeekOrigin::Begin);
    else
        ReadPageInfo(stream, page);

    CheckPictureSize(page);
    if (!page.Compact && page.DataLength != 0) {
        const uint32_t rowSize = page.DataLength / static_cast<uint32_t>(page.Height);
        if (rowSize == 0 || page.DataLength % rowSize != 0) RaiseWolfError("Bad Wolf page description");
    }
    // Refuses a length the file cannot back before anything is allocated for it.
    DecodeImageData(page, stream.ReadString(page.DataLength), image);
}

void DecodeImageData(const TWolfPageItem& page, std::string_view data, TGreyImage& image)
{
    CheckPictureSize(page);
    image.Width = page.Width;
    image.Height = page.Height;
    image.Pixels.assign(static_cast<size_t>(page.Width) * static_cast<size_t>(page.Height), 255);
    if (page.BitCount != 1 && page.BitCount != 2) return;  // other depths decode to nothing
    const size_t imageBytes = RowBytes(page.Width, page.BitCount) * static_cast<size_t>(page.Height);
    if (page.Compact) {
        std::vector<uint8_t> packed(imageBytes);
        UnpackRows(packed.data(), lzss::Unpack(data, packed.data(), packed.size()), page.BitCount, image);
    } else {
        UnpackRows(reinterpret_cast<const uint8_t*>(data.data()), std::min(data.size(), imageBytes), page.BitCount,
                   image);
    }
}

std::string PackRows(const TGreyImage& image, int bits)
{
    return bits == 1 ? PackRowsOf<1>(image) : PackRowsOf<2>(image);
}

}  // namespace wolf
