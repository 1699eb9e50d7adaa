#include "GreyShrinking.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace making {
namespace {

// Everything is summed in 16-bit values, as many at once as vector instructions take. Down,
// a source row's weight has 8 bits and a target row's weights add up to 256, so that each
// column sum is its level times 256; halved, it fits a signed value, which vector
// instructions multiply by the weights across (14 bits, adding up to 2^14) and add in pairs.
constexpr int DownBits = 8;
constexpr int AcrossBits = 14;
constexpr int AcrossShift = AcrossBits + DownBits - 1;
// Weights of 8 bits stay fine enough for 16 source rows to a target row; larger steps are
// taken in several.
constexpr int MaxStep = 16;
// Target pixels covering up to this many source pixels are summed across in one vector.
constexpr int VectorTaps = 8;

// Which source pixels each target pixel of one side covers, and by how much each, in weights
// that add up to 2^bits for every target pixel, so that an even area keeps its level exactly.
// Every target pixel has Taps() weights, at least minTaps, the last ones 0 where it covers
// fewer pixels.
class TCoverage {
public:
    TCoverage(int sourceLength, int targetLength, int bits, int minTaps = 1) : FTaps(minTaps)
    {
        // Lengths in units of 1 / (source * target): a source pixel is target long, a target pixel source.
        const int64_t source = sourceLength, target = targetLength, one = int64_t{1} << bits;
        const auto first = [&](int64_t i) { return i * source / target; };
        const auto last = [&](int64_t i) { return ((i + 1) * source + target - 1) / target - 1; };
        for (int64_t i = 0; i < target; ++i) FTaps = std::max(FTaps, static_cast<int>(last(i) - first(i) + 1));
        FFirst.resize(static_cast<size_t>(targetLength));
        FWeights.assign(static_cast<size_t>(targetLength) * static_cast<size_t>(FTaps), 0);
        for (int64_t i = 0; i < target; ++i) {
            const int64_t begin = i * source, end = begin + source;
            int16_t* weights = FWeights.data() + i * FTaps;
            // Each weight is what the covered length so far adds to the rounded total, so that the
            // weights add up to one exactly and no partial sum strays by more than half a step.
            int64_t covered = 0, given = 0;
            for (int64_t j = first(i); j <= last(i); ++j) {
                covered += std::min(end, (j + 1) * target) - std::max(begin, j * target);
                const int64_t total = (covered * one + source / 2) / source;
                weights[j - first(i)] = static_cast<int16_t>(total - given);
                given = total;
            }
            FFirst[static_cast<size_t>(i)] = static_cast<int>(first(i));
        }
    }

    int Taps() const { return FTaps; }
    int First(int i) const { return FFirst[static_cast<size_t>(i)]; }
    const int* Firsts() const { return FFirst.data(); }
    const int16_t* Weights(int i) const { return FWeights.data() + static_cast<size_t>(i) * FTaps; }

private:
    int FTaps;
    std::vector<int> FFirst;
    std::vector<int16_t> FWeights;
};

// Blocks of a fixed width on rows that cannot overlap: compilers make vector code of them.
constexpr int Block = 16;

template <bool First>
uint16_t Summed(uint16_t sum, uint16_t weight, uchar level)
{
    const auto weighted = static_cast<uint16_t>(weight * level);
    return First ? weighted : static_cast<uint16_t>(sum + weighted);
}

template <bool First>
void SumDown(const uchar* __restrict row, uint16_t weight, uint16_t* __restrict sums, int width)
{
    int x = 0;
    for (; x + Block <= width; x += Block)
        for (int k = 0; k < Block; ++k) sums[x + k] = Summed<First>(sums[x + k], weight, row[x + k]);
    for (; x < width; ++x) sums[x] = Summed<First>(sums[x], weight, row[x]);
}

int16_t Halved(uint16_t sum)
{
    return static_cast<int16_t>((sum + 1) >> 1);
}

void Halve(const uint16_t* __restrict sums, int16_t* __restrict columns, int width)
{
    int x = 0;
    for (; x + Block <= width; x += Block)
        for (int k = 0; k < Block; ++k) columns[x + k] = Halved(sums[x + k]);
    for (; x < width; ++x) columns[x] = Halved(sums[x]);
}

// Taps: VectorTaps (the coverage's taps padded with weights of 0), or 0 for the coverage's
// own, read at run time. The target row cannot overlap the rest, so that nothing is read
// again after each pixel is stored.
template <int Taps>
void SumAcross(const int16_t* __restrict columns, const TCoverage& across, uchar* __restrict row, int width)
{
    const int taps = Taps ? Taps : across.Taps();
    const int* __restrict firsts = across.Firsts();
    const int16_t* __restrict weights = across.Weights(0);
    for (int x = 0; x < width; ++x, weights += taps) {
        const int16_t* column = columns + firsts[x];
        int32_t sum = 1 << (AcrossShift - 1);
        for (int k = 0; k < taps; ++k) sum += int32_t{weights[k]} * column[k];
        row[x] = static_cast<uchar>(sum >> AcrossShift);
    }
}

}  // namespace

QImage ShrinkGrey(const QImage& grey, QSize target)
{
    if (grey.width() > target.width() * MaxStep || grey.height() > target.height() * MaxStep)
        return ShrinkGrey(ShrinkGrey(grey, grey.size().boundedTo(target * MaxStep)), target);
    QImage shrunk(target, QImage::Format_Grayscale8);
    if (shrunk.isNull()) return shrunk;
    const int width = grey.width();
    const TCoverage down(grey.height(), target.height(), DownBits),
        across(width, target.width(), AcrossBits, VectorTaps);
    std::vector<uint16_t> sumRow(static_cast<size_t>(width));
    // A pixel's last weights may reach past the row's end; they are 0, and so is what they meet.
    std::vector<int16_t> columnRow(static_cast<size_t>(width + across.Taps()));
    uint16_t* const sums = sumRow.data();
    int16_t* const columns = columnRow.data();
    for (int y = 0; y < target.height(); ++y) {
        // The source rows the target row covers, summed down each column, then across.
        const int16_t* weights = down.Weights(y);
        const auto weight = [&](int k) { return static_cast<uint16_t>(weights[k]); };
        SumDown<true>(grey.constScanLine(down.First(y)), weight(0), sums, width);
        for (int k = 1; k < down.Taps(); ++k)
            if (weights[k] != 0) SumDown<false>(grey.constScanLine(down.First(y) + k), weight(k), sums, width);
        Halve(sums, columns, width);
        uchar* row = shrunk.scanLine(y);
        if (across.Taps() == VectorTaps)
            SumAcross<VectorTaps>(columns, across, row, target.width());
        else
            SumAcross<0>(columns, across, row, target.width());
    }
    return shrunk;
}

}  // namespace making
