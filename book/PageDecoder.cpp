// Turns a page's image data, raw or LZSS-packed, 1 or 2 bits a pixel, into a grey picture.
#include "Lzss.h"
#include "uWolfReader.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace wolf {

namespace {

// Grey level of each 2-bit value: black, dark grey, light grey, white.
constexpr uint8_t Grey2[4] = {0, 128, 192, 255};

// The pixels of every data byte, so that a row unpacks with one table copy per byte.
struct TUnpackTables {
    std::array<std::array<uint8_t, 8>, 256> OneBit{};  // a set bit is black
    std::array<std::array<uint8_t, 4>, 256> TwoBit{};
    TUnpackTables()
    {
        for (int b = 0; b < 256; ++b) {
            for (int i = 0; i < 8; ++i) OneBit[b][i] = (b >> (7 - i)) & 1 ? 0 : 255;
            for (int i = 0; i < 4; ++i) TwoBit[b][i] = Grey2[(b >> (6 - 2 * i)) & 3];
        }
    }
};
const TUnpackTables Tables;

// Unpacks LZSS data into out until the data ends or out is full; returns the bytes written.
// The image may fill before the data ends: what follows could only be dropped.
// The window is not kept apart: window position (StartPosition + i) mod 4096 holds output
// byte i, so a match copies from the output itself, and from blanks before its start.
size_t UnpackLzss(const std::string& data, uint8_t* out, size_t capacity)
{
    constexpr unsigned Mask = lzss::WindowSize - 1;
    unsigned flags = 0;
    size_t next = 0;
    size_t written = 0;
    const size_t end = data.size();
    const auto* in = reinterpret_cast<const uint8_t*>(data.data());
    while (written < capacity) {
        flags >>= 1;
        if ((flags & 0xFF00) == 0) {
            if (next == end) break;
            flags = in[next++] | 0xFF00u;
        }
        if (flags & 1) {
            if (next == end) break;
            out[written++] = in[next++];
            continue;
        }
        if (end - next < 2) break;
        const unsigned lo = in[next++];
        const unsigned hi = in[next++];
        const unsigned position = lo | ((hi & 0xF0u) << 4);
        const size_t length = std::min<size_t>((hi & 0x0Fu) + lzss::MinMatch, capacity - written);
        const unsigned r = static_cast<unsigned>(lzss::StartPosition + written) & Mask;
        const size_t distance = ((r - position) & Mask) == 0 ? lzss::WindowSize : (r - position) & Mask;
        if (written >= distance) {
            uint8_t* target = out + written;
            const uint8_t* source = target - distance;
            if (distance >= length)
                std::memcpy(target, source, length);
            else if (distance == 1)  // a run of one byte, as in white space
                std::memset(target, *source, length);
            else
                for (size_t k = 0; k < length; ++k) target[k] = source[k];  // repeats a short pattern
            written += length;
            continue;
        }
        for (size_t k = 0; k < length; ++k, ++written)  // reaches back into the blanks
            out[written] = written >= distance ? out[written - distance] : lzss::InitialFill;
    }
    return written;
}

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
            const uint8_t* pixels = bitCount == 1 ? Tables.OneBit[source[whole]].data()
                                                  : Tables.TwoBit[source[whole]].data();
            std::memcpy(row + whole * pixelsPerByte, pixels, width - whole * pixelsPerByte);
        }
    }
}

}  // namespace

void TWolfReader::DecodePage(TStream& stream, TWolfPageItem& page, TGreyImage& image)
{
    if (page.Offset == 0) return;
    if (page.DataOffset != 0)
        stream.Seek(page.DataOffset, TSeekOrigin::Begin);
    else
        ReadPageInfo(stream, page);

    if (page.Width <= 0 || page.Height <= 0) RaiseWolfError("Bad Wolf page description");
    if (page.Width > MaxPageSide || page.Height > MaxPageSide ||
        int64_t{page.Width} * page.Height > MaxPagePixels)
        RaiseWolfError("Bad Wolf page description");
    if (!page.Compact && page.DataLength != 0) {
        const uint32_t rowSize = page.DataLength / static_cast<uint32_t>(page.Height);
        if (rowSize == 0 || page.DataLength % rowSize != 0) RaiseWolfError("Bad Wolf page description");
    }
    // Refuses a length the file cannot back before anything is allocated for it.
    const std::string data = stream.ReadString(page.DataLength);

    image.Width = page.Width;
    image.Height = page.Height;
    image.Pixels.assign(static_cast<size_t>(page.Width) * static_cast<size_t>(page.Height), 255);
    if (page.BitCount != 1 && page.BitCount != 2) return;  // other depths decode to nothing
    const size_t pixelsPerByte = page.BitCount == 1 ? 8 : 4;
    const size_t imageBytes =
        (static_cast<size_t>(page.Width) + pixelsPerByte - 1) / pixelsPerByte * static_cast<size_t>(page.Height);
    if (page.Compact) {
        std::vector<uint8_t> packed(imageBytes);
        UnpackRows(packed.data(), UnpackLzss(data, packed.data(), packed.size()), page.BitCount, image);
    } else {
        UnpackRows(reinterpret_cast<const uint8_t*>(data.data()), std::min(data.size(), imageBytes), page.BitCount,
                   image);
    }
}

}  // namespace wolf
