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

// Collects the decoded byte sequence row by row; bytes past the last row are dropped.
class TRowSink {
public:
    TRowSink(TGreyImage& image, int32_t bitCount)
        : FImage(image), FBitCount(bitCount),
          FRowBytes(bitCount == 1 ? (image.Width + 7) / 8 : (image.Width + 3) / 4)
    {
    }
    bool Full() const { return FY >= FImage.Height; }
    void Put(uint8_t byte)
    {
        if (Full()) return;
        uint8_t* row = FImage.Pixels.data() + static_cast<size_t>(FY) * FImage.Width;
        if (FBitCount == 1) {
            const int x = FX * 8;
            std::memcpy(row + x, Tables.OneBit[byte].data(), static_cast<size_t>(std::min(8, FImage.Width - x)));
        } else if (FBitCount == 2) {
            const int x = FX * 4;
            std::memcpy(row + x, Tables.TwoBit[byte].data(), static_cast<size_t>(std::min(4, FImage.Width - x)));
        } else {
            return;  // other depths decode to nothing
        }
        if (++FX == FRowBytes) {
            FX = 0;
            ++FY;
        }
    }

private:
    TGreyImage& FImage;
    int32_t FBitCount;
    int32_t FRowBytes;
    int32_t FX = 0;
    int32_t FY = 0;
};

void UnpackLzss(const std::string& data, TRowSink& sink)
{
    uint8_t window[lzss::WindowSize];
    std::memset(window, lzss::InitialFill, sizeof window);
    unsigned r = lzss::StartPosition;
    unsigned flags = 0;
    size_t next = 0;
    const size_t end = data.size();
    // The image may fill before the data ends; what follows could only be dropped.
    while (!sink.Full()) {
        flags >>= 1;
        if ((flags & 0xFF00) == 0) {
            if (next == end) return;
            flags = static_cast<uint8_t>(data[next++]) | 0xFF00u;
        }
        if (flags & 1) {
            if (next == end) return;
            const auto byte = static_cast<uint8_t>(data[next++]);
            sink.Put(byte);
            window[r] = byte;
            r = (r + 1) & (lzss::WindowSize - 1);
        } else {
            if (end - next < 2) return;
            const auto lo = static_cast<uint8_t>(data[next++]);
            const auto hi = static_cast<uint8_t>(data[next++]);
            unsigned position = lo | ((hi & 0xF0u) << 4);
            const int length = (hi & 0x0F) + lzss::MinMatch;
            for (int k = 0; k < length; ++k) {
                const uint8_t byte = window[position];
                sink.Put(byte);
                window[r] = byte;
                r = (r + 1) & (lzss::WindowSize - 1);
                position = (position + 1) & (lzss::WindowSize - 1);
            }
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
    TRowSink sink(image, page.BitCount);
    if (page.Compact) {
        UnpackLzss(data, sink);
    } else {
        for (size_t i = 0; i < data.size() && !sink.Full(); ++i) sink.Put(static_cast<uint8_t>(data[i]));
    }
}

}  // namespace wolf
