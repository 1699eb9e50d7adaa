#include "GreyReduction.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
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
    const int width = grey.width();
    for (int y = 0; y < grey.height(); ++y) {
        uchar* row = grey.scanLine(y);
        for (int x = 0; x < width; ++x) row[x] = table.Nearest[row[x]];
    }
}

void Ordered(QImage& grey, const TLevelTable& table)
{
    static constexpr uchar Bayer[8][8] = {
        {0, 32, 8, 40, 2, 34, 10, 42},   {48, 16, 56, 24, 50, 18, 58, 26},
        {12, 44, 4, 36, 14, 46, 6, 38},  {60, 28, 52, 20, 62, 30, 54, 22},
        {3, 35, 11, 43, 1, 33, 9, 41},   {51, 19, 59, 27, 49, 17, 57, 25},
        {15, 47, 7, 39, 13, 45, 5, 37},  {63, 31, 55, 23, 61, 29, 53, 21}};
    const int width = grey.width();
    for (int y = 0; y < grey.height(); ++y) {
        uchar* row = grey.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const int v = row[x];
            const int low = table.Below[static_cast<size_t>(v)], high = table.Above[static_cast<size_t>(v)];
            if (low == high) continue;
            // The share of high pixels in an 8 x 8 block follows the value's place between the levels.
            const int rank = Bayer[y & 7][x & 7];
            row[x] = static_cast<uchar>((v - low) * 64 > rank * (high - low) + (high - low) / 2 ? high : low);
        }
    }
}

// What a pixel becomes once its neighbours' errors are added, indexed by the sum in
// sixteenths of a level so that nothing is divided on the way from one pixel to the next:
// the nearest level to the sum (halves round up), the error left over in whole levels,
// and the 7/16 of it the next pixel along gets, ready so that the next pixel waits for one
// table look-up only. The errors reaching a pixel add up to at most the largest error,
// half the widest gap between levels, so the table covers every sum and nothing is clamped.
class TDiffusionTable {
public:
    explicit TDiffusionTable(const TLevelTable& levels)
    {
        for (int sum = -Reach; sum < Top + Reach; ++sum) {
            const int wanted = std::clamp((sum + 8) >> 4, 0, 255);
            const uchar level = levels.Nearest[static_cast<size_t>(wanted)];
            FLevel[Index(sum)] = level;
            FError[Index(sum)] = static_cast<int16_t>(wanted - level);
            FAhead[Index(sum)] = static_cast<int16_t>((wanted - level) * 7);
        }
    }
    uchar Level(ptrdiff_t sum) const { return FLevel[Index(sum)]; }
    int Error(ptrdiff_t sum) const { return FError[Index(sum)]; }
    ptrdiff_t Ahead(ptrdiff_t sum) const { return FAhead[Index(sum)]; }

private:
    static constexpr int Top = 256 * 16, Reach = 128 * 16;
    static size_t Index(ptrdiff_t sum) { return static_cast<size_t>(sum + Reach); }
    std::array<uchar, Top + 2 * Reach> FLevel{};
    std::array<int16_t, Top + 2 * Reach> FError{}, FAhead{};
};

// One row in the direction Step. incoming holds the errors (in sixteenths) the row above
// left for this row; outgoing receives this row's for the next, and is written whole.
// Both have a guard cell on either side; cell x + 1 belongs to pixel x.
template <int Step>
void DiffuseRow(uchar* row, int width, const int* incoming, int* outgoing, const TDiffusionTable& table)
{
    int x = Step > 0 ? 0 : width - 1;
    const int end = Step > 0 ? width : -1;
    ptrdiff_t ahead = 0;        // for the next pixel along
    int behind = 0, below = 0;  // what the cells below-behind and below the pixel hold so far
    for (; x != end; x += Step) {
        const ptrdiff_t sum = row[x] * 16 + incoming[x + 1] + ahead;
        row[x] = table.Level(sum);
        ahead = table.Ahead(sum);
        const int error = table.Error(sum);
        outgoing[x + 1 - Step] = behind + error * 3;
        behind = below + error * 5;
        below = error;
    }
    outgoing[x + 1 - Step] = behind;
    outgoing[x + 1] = below;
}

void FloydSteinberg(QImage& grey, const TDiffusionTable& table)
{
    const int width = grey.width();
    std::vector<int> incoming(static_cast<size_t>(width) + 2), outgoing(static_cast<size_t>(width) + 2);
    for (int y = 0; y < grey.height(); ++y) {
        // Serpentine: every other row runs right to left.
        if ((y & 1) == 0)
            DiffuseRow<1>(grey.scanLine(y), width, incoming.data(), outgoing.data(), table);
        else
            DiffuseRow<-1>(grey.scanLine(y), width, incoming.data(), outgoing.data(), table);
        std::swap(incoming, outgoing);
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
    static const TDiffusionTable twoBitDiffusion(twoBits), oneBitDiffusion(oneBit);
    const TLevelTable& table = bits == 1 ? oneBit : twoBits;
    switch (method) {
    case TDitherMethod::FloydSteinberg: FloydSteinberg(grey, bits == 1 ? oneBitDiffusion : twoBitDiffusion); break;
    case TDitherMethod::Ordered: Ordered(grey, table); break;
    case TDitherMethod::Threshold: Threshold(grey, table); break;
    }
}

}  // namespace making
