#include "MarginCrop.h"

#include "GreyHistogram.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace making {
namespace {

// Paper is the level that the brightest 5 % of the pixels reach; ink is clearly darker.
int InkThreshold(const QImage& grey)
{
    const int64_t brightest = static_cast<int64_t>(grey.width()) * grey.height() / 20;
    const int paper = BrightLevel(GreyHistogram(grey), brightest);
    constexpr int InkContrast = 48;
    return std::max(1, paper - InkContrast);
}

struct TSpan {
    int First, Last;  // inclusive
    int Length() const { return Last - First + 1; }
};

// Runs of lines holding more ink than noise, joined across gaps narrower than 1 %.
std::vector<TSpan> ContentRuns(const std::vector<int>& inkPerLine, int lineLength)
{
    const int noise = std::max(2, lineLength / 200);
    const int smallGap = std::max(1, static_cast<int>(inkPerLine.size()) / 100);
    std::vector<TSpan> runs;
    for (int i = 0; i < static_cast<int>(inkPerLine.size()); ++i) {
        if (inkPerLine[static_cast<size_t>(i)] <= noise) continue;
        if (!runs.empty() && i - runs.back().Last <= smallGap)
            runs.back().Last = i;
        else
            runs.push_back({i, i});
    }
    return runs;
}

// Content span along one axis; a small run in the outer tenth at either end, set well apart
// from the rest (a page number, a running head), does not count. Empty optional: no content.
std::optional<TSpan> ContentSpan(const std::vector<int>& inkPerLine, int lineLength)
{
    std::vector<TSpan> runs = ContentRuns(inkPerLine, lineLength);
    if (runs.empty()) return std::nullopt;
    const int length = static_cast<int>(inkPerLine.size());
    const int smallRun = length / 25, wideGap = length / 50, outerBand = length / 10;
    if (runs.size() >= 2 && runs.front().Length() <= smallRun && runs.front().Last < outerBand &&
        runs[1].First - runs.front().Last > wideGap)
        runs.erase(runs.begin());
    if (runs.size() >= 2 && runs.back().Length() <= smallRun && runs.back().First >= length - outerBand &&
        runs.back().First - runs[runs.size() - 2].Last > wideGap)
        runs.pop_back();
    return TSpan{runs.front().First, runs.back().Last};
}

}  // namespace

QRect FindContent(const QImage& grey)
{
    const QRect whole = grey.rect();
    if (grey.isNull() || grey.format() != QImage::Format_Grayscale8) return whole;
    const int threshold = InkThreshold(grey);
    std::vector<int> inkPerRow(static_cast<size_t>(grey.height())), inkPerColumn(static_cast<size_t>(grey.width()));
    const int width = grey.width();
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            const int ink = row[x] < threshold;
            inkPerRow[static_cast<size_t>(y)] += ink;
            inkPerColumn[static_cast<size_t>(x)] += ink;
        }
    }
    const std::optional<TSpan> rows = ContentSpan(inkPerRow, grey.width());
    const std::optional<TSpan> columns = ContentSpan(inkPerColumn, grey.height());
    if (!rows || !columns) return whole;
    const int border = std::max(1, std::max(grey.width(), grey.height()) / 100);
    const QRect content(QPoint(columns->First, rows->First), QPoint(columns->Last, rows->Last));
    return content.adjusted(-border, -border, border, border).intersected(whole);
}

void CropMarginsStep(TPictures& pictures, const TProcessOptions& options)
{
    if (!options.CropMargins) return;
    for (QImage& picture : pictures) picture = picture.copy(FindContent(picture));
}

}  // namespace making
