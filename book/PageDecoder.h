// Page image data: rows of 1 or 2 bits a pixel, raw or LZSS-packed, and the grey picture
// they decode to.
#pragma once

#include "uWolfDefs.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wolf {

// A decoded page: 8-bit grey, one byte a pixel, rows top first, with the levels
// 0 (black), 128 (dark grey), 192 (light grey) and 255 (white).
struct TGreyImage {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint8_t> Pixels;
    uint8_t Pixel(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
};

// Largest picture a page may have: larger claims are shown as not valid. 32 megapixels,
// far beyond any reading device's screen, keep one decoded page with its working copy
// well under 64 MiB.
constexpr int32_t MaxPageSide = 16384;
constexpr int64_t MaxPagePixels = 32LL * 1024 * 1024;

// Grey level of each 2-bit value: black, dark grey, light grey, white. 1-bit data shows
// only the first and the last.
constexpr uint8_t GreyLevels[4] = {0, 128, 192, 255};

// Bytes of one row: rows are padded to a whole byte and no further.
constexpr size_t RowBytes(int32_t width, int32_t bitCount)
{
    return (static_cast<size_t>(width) * static_cast<size_t>(bitCount) + 7) / 8;
}

// Decodes a page's image data into image; what the data does not reach stays white, other
// bit counts give a white picture. Raises EWolf for sizes that cannot be shown.
void DecodeImageData(const TWolfPageItem& page, std::string_view data, TGreyImage& image);

// The inverse, for writers: rows of 1 or 2 bits from a picture that holds only the levels
// those bits show (1 bit: 0 and 255). Raises EWolf naming the first pixel off them.
std::string PackRows(const TGreyImage& image, int bits);

}  // namespace wolf
