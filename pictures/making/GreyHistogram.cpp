#include "GreyHistogram.h"

namespace making {

THistogram GreyHistogram(const QImage& grey)
{
    // Pixels in turn go to four counts, so that a run of one level (paper) does not make
    // each count wait for the one before.
    std::array<std::array<uint32_t, 256>, 4> counts{};
    const int width = grey.width();
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        int x = 0;
        for (; x + 4 <= width; x += 4) {
            ++counts[0][row[x]];
            ++counts[1][row[x + 1]];
            ++counts[2][row[x + 2]];
            ++counts[3][row[x + 3]];
        }
        for (; x < width; ++x) ++counts[0][row[x]];
    }
    THistogram histogram{};
    for (const auto& part : counts)
        for (size_t level = 0; level < 256; ++level) histogram[level] += part[level];
    return histogram;
}

int DarkLevel(const THistogram& histogram, int64_t count)
{
    int64_t seen = 0;
    int level = 0;
    for (; level < 255; ++level)
        if ((seen += histogram[static_cast<size_t>(level)]) > count) break;
    return level;
}

int BrightLevel(const THistogram& histogram, int64_t count)
{
    int64_t seen = 0;
    int level = 255;
    for (; level > 0; --level)
        if ((seen += histogram[static_cast<size_t>(level)]) > count) break;
    return level;
}

}  // namespace making
