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

// The darkest 0.5 % are clipped to black, so that specks do not hold the stretch back. Where
// they are no black but a grey, the grey stays a grey: with a few black lines beside it, those
// are the page's black; a grey that covers a quarter of the page is a tone, not ink, and gets no
// darker than a dark grey. Only the darkest ink of a faded page becomes black.
TLevels HistogramLevels(const QImage& grey)
{
    const THistogram histogram = GreyHistogram(grey);
    const int64_t pixels = static_cast<int64_t>(grey.width()) * grey.height();
    int dark = DarkLevel(histogram, pixels / 200);
    constexpr int Black = 64, ToneSpread = 32;
    if (dark > Black) {
        int64_t near = 0;
        for (int level = 0; level <= std::min(255, dark + ToneSpread); ++level)
            near += histogram[static_cast<size_t>(level)];
        if (const int darkest = DarkLevel(histogram, pixels / 1000); darkest <= Black)
            dark = darkest;
        else if (4 * near > pixels)
            dark = Black;
    }
    return {dark, BrightLevel(histogram, pixels / 200)};
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
