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
    static constexpr uchar Bayer[8][8] = {{0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
                                          {12, 44, 4, 36, 14, 46, 6, 38}, {60, 28, 52, 20, 62, 30, 54, 22},
                                          {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
                                          {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21}};
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

// A row being diffused in the direction Step. incoming holds the errors (in sixteenths)
// the row above left for it; outgoing receives the row's for the next, and is written
// whole. Both have a guard cell on either side; cell x + 1 belongs to pixel x.
template <int Step>
class TRowDiffusion {
public:
    TRowDiffusion(uchar* row, const int* incoming, int* outgoing) : FRow(row), FIncoming(incoming), FOutgoing(outgoing)
    {
    }

    void Pixel(int x, const TDiffusionTable& table)
    {
        const ptrdiff_t sum = FRow[x] * 16 + FIncoming[x + 1] + FAhead;
        FRow[x] = table.Level(sum);
        FAhead = table.Ahead(sum);
        const int error = table.Error(sum);
        FOutgoing[x + 1 - Step] = FBehind + error * 3;
        FBehind = FBelow + error * 5;
        FBelow = error;
    }

    // end: the x after the row's last pixel.
    void Finish(int end)
    {
        FOutgoing[end + 1 - Step] = FBehind;
        FOutgoing[end + 1] = FBelow;
    }

private:
    uchar* const FRow;
    const int* const FIncoming;
    int* const FOutgoing;
    ptrdiff_t FAhead = 0;         // for the next pixel along
    int FBehind = 0, FBelow = 0;  // what the cells below-behind and below the pixel hold so far
};

// A row of the upper band and, when there is one, the row of the lower band worked
// together, pixel by pixel in turn, so that while one waits for its table look-up the
// other goes on.
template <int Step>
void DiffuseRows(uchar* upperRow, uchar* lowerRow, int width, const std::array<int*, 2>& incoming,
                 const std::array<int*, 2>& outgoing, const TDiffusionTable& table)
{
    int x = Step > 0 ? 0 : width - 1;
    const int end = Step > 0 ? width : -1;
    TRowDiffusion<Step> upper(upperRow, incoming[0], outgoing[0]);
    if (lowerRow) {
        TRowDiffusion<Step> lower(lowerRow, incoming[1], outgoing[1]);
        for (; x != end; x += Step) {
            upper.Pixel(x, table);
            lower.Pixel(x, table);
        }
        lower.Finish(end);
    } else {
        for (; x != end; x += Step) upper.Pixel(x, table);
    }
    upper.Finish(end);
}

// The picture in two bands of rows diffused side by side; no error crosses from the upper
// band into the lower one, which starts without any like the top row of any picture. The
// upper band has an even number of rows, so that the rows worked together run the same way.
void FloydSteinberg(QImage& grey, const TDiffusionTable& table)
{
    const int width = grey.width(), height = grey.height();
    const int upper = std::min(height, (height + 3) / 4 * 2);
    const size_t cells = static_cast<size_t>(width) + 2;
    std::vector<int> errors(4 * cells);
    std::array<int*, 2> incoming{errors.data(), errors.data() + cells};
    std::array<int*, 2> outgoing{errors.data() + 2 * cells, errors.data() + 3 * cells};
    for (int y = 0; y < upper; ++y) {
        uchar* lowerRow = upper + y < height ? grey.scanLine(upper + y) : nullptr;
        // Serpentine: every other row runs right to left.
        if ((y & 1) == 0)
            DiffuseRows<1>(grey.scanLine(y), lowerRow, width, incoming, outgoing, table);
        else
            DiffuseRows<-1>(grey.scanLine(y), lowerRow, width, incoming, outgoing, table);
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

void ReduceToLevelsStep(TPictures& pictures, const TProcessOptions& options)
{
    for (QImage& picture : pictures) ReduceToLevels(picture, options.Bits, options.Dither);
}

}  // namespace making
