#include "ToneCurve.h"

#include "GreyHistogram.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace making {
namespace {

struct TLevels {
    int Dark = 0, Bright = 255;
};

TLevels HistogramLevels(const QImage& grey)
{
    const THistogram histogram = GreyHistogram(grey);
    const int64_t clip = static_cast<int64_t>(grey.width()) * grey.height() / 200;
    return {DarkLevel(histogram, clip), BrightLevel(histogram, clip)};
}

}  // namespace

void AdjustTone(QImage& grey, bool autoContrast, double gamma)
{
    TLevels levels;
    constexpr int MinSpread = 32;
    if (autoContrast) {
        const TLevels found = HistogramLevels(grey);
        if (found.Bright - found.Dark >= MinSpread) levels = found;
    }
    const bool identity = levels.Dark == 0 && levels.Bright == 255 && gamma == 1.0;
    if (identity || grey.isNull()) return;
    std::array<uchar, 256> table{};
    for (int v = 0; v < 256; ++v) {
        const double stretched = std::clamp((v - levels.Dark) / double(levels.Bright - levels.Dark), 0.0, 1.0);
        table[static_cast<size_t>(v)] = static_cast<uchar>(std::lround(255.0 * std::pow(stretched, gamma)));
    }
    const int width = grey.width();
    for (int y = 0; y < grey.height(); ++y) {
        uchar* row = grey.scanLine(y);
        // Eight at a time, so that the loop's own count and test are shared by eight pixels.
        int x = 0;
        for (; x + 8 <= width; x += 8)
            for (int k = 0; k < 8; ++k) row[x + k] = table[row[x + k]];
        for (; x < width; ++x) row[x] = table[row[x]];
    }
}

void AdjustToneStep(TPictures& pictures, const TProcessOptions& options)
{
    for (QImage& picture : pictures) AdjustTone(picture, options.AutoContrast, options.Gamma);
}

}  // namespace making
