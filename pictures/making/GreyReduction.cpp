#include "GreyReduction.h"

#include <algorithm>
#include <array>
#include <vector>

namespace making {
namespace {

constexpr uchar TwoBitLevels[] = {0, 128, 192, 255};
constexpr uchar OneBitLevels[] = {0, 255};

// For every input value: the nearest level, and the levels just below and above it.
struct TLevelTable {
    std::array<uchar, 256> Nearest{}, Below{}, Above{};

    explicit TLevelTable(std::span<const uchar> levels)
    {
        for (int v = 0; v < 256; ++v) {
            size_t upper = 0;
            while (upper + 1 < levels.size() && levels[upper] < v) ++upper;
            const size_t lower = levels[upper] > v && upper > 0 ? upper - 1 : upper;
            Below[static_cast<size_t>(v)] = levels[lower];
            Above[static_cast<size_t>(v)] = levels[upper];
            Nearest[static_cast<size_t>(v)] = v - levels[lower] <= levels[upper] - v ? levels[lower] : levels[upper];
        }
    }
};

void Threshold(QImage& grey, const TLevelTable& table)
{
    for (int y = 0; y < grey.height(); ++y) {
        uchar* row = grey.scanLine(y);
        for (int x = 0; x < grey.width(); ++x) row[x] = table.Nearest[row[x]];
    }
}

void Ordered(QImage& grey, const TLevelTable& table)
{
    static constexpr uchar Bayer[8][8] = {
        {0, 32, 8, 40, 2, 34, 10, 42},   {48, 16, 56, 24, 50, 18, 58, 26},
        {12, 44, 4, 36, 14, 46, 6, 38},  {60, 28, 52, 20, 62, 30, 54, 22},
        {3, 35, 11, 43, 1, 33, 9, 41},   {51, 19, 59, 27, 49, 17, 57, 25},
        {15, 47, 7, 39, 13, 45, 5, 37},  {63, 31, 55, 23, 61, 29, 53, 21}};
    for (int y = 0; y < grey.height(); ++y) {
        uchar* row = grey.scanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            const int v = row[x];
            const int low = table.Below[static_cast<size_t>(v)], high = table.Above[static_cast<size_t>(v)];
            if (low == high) continue;
            // The share of high pixels in an 8 x 8 block follows the value's place between the levels.
            const int rank = Bayer[y & 7][x & 7];
            row[x] = static_cast<uchar>((v - low) * 64 > rank * (high - low) + (high - low) / 2 ? high : low);
        }
    }
}

// Sixteenths to whole levels, rounding both signs alike so that no bias builds up.
int FromSixteenths(int error)
{
    return error >= 0 ? (error + 8) / 16 : -((8 - error) / 16);
}

void FloydSteinberg(QImage& grey, const TLevelTable& table)
{
    const int width = grey.width();
    // Errors in sixteenths, with a guard cell on either side.
    std::vector<int> current(static_cast<size_t>(width) + 2), next(static_cast<size_t>(width) + 2);
    for (int y = 0; y < grey.height(); ++y) {
        uchar* row = grey.scanLine(y);
        const bool forward = (y & 1) == 0;
        const int step = forward ? 1 : -1;
        for (int i = 0; i < width; ++i) {
            const int x = forward ? i : width - 1 - i;
            const size_t cell = static_cast<size_t>(x) + 1;
            const int wanted = std::clamp(row[x] + FromSixteenths(current[cell]), 0, 255);
            const uchar level = table.Nearest[static_cast<size_t>(wanted)];
            row[x] = level;
            const int error = wanted - level;
            current[cell + step] += error * 7;
            next[cell - step] += error * 3;
            next[cell] += error * 5;
            next[cell + step] += error;
        }
        std::swap(current, next);
        std::fill(next.begin(), next.end(), 0);
    }
}

}  // namespace

std::span<const uchar> PageLevels(int bits)
{
    if (bits == 1) return OneBitLevels;
    return TwoBitLevels;
}

void ReduceToLevels(QImage& grey, int bits, TDitherMethod method)
{
    static const TLevelTable twoBits(TwoBitLevels), oneBit(OneBitLevels);
    const TLevelTable& table = bits == 1 ? oneBit : twoBits;
    switch (method) {
    case TDitherMethod::FloydSteinberg: FloydSteinberg(grey, table); break;
    case TDitherMethod::Ordered: Ordered(grey, table); break;
    case TDitherMethod::Threshold: Threshold(grey, table); break;
    }
}

}  // namespace making
