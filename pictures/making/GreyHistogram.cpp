#include "GreyHistogram.h"

namespace making {

THistogram GreyHistogram(const QImage& grey)
{
    THistogram histogram{};
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) ++histogram[row[x]];
    }
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
