#include "MarginCrop.h"

#include "GreyHistogram.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace making {
namespace {

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

constexpr int InkContrast = 48;

// Paper is the level that the brightest 5 % of the pixels reach; ink is clearly darker.
int PaperLevel(const QImage& grey)
{
    return BrightLevel(GreyHistogram(grey), static_cast<int64_t>(grey.width()) * grey.height() / 20);
}

// The share of a line's pixels darker than dark, from start, length steps long.
double DarkShare(const QImage& grey, QPoint start, QPoint step, int length, int dark)
{
    int darkPixels = 0;
    QPoint at = start;
    for (int i = 0; i < length; ++i, at += step) darkPixels += grey.constScanLine(at.y())[at.x()] < dark;
    return length > 0 ? static_cast<double>(darkPixels) / length : 0;
}

// The page inside a scanner's dark border (black, or a dark grey with noise): lines at the
// edges that are mostly dark are peeled, each side by turns, since a wide border at one side
// darkens the lines across it. Not a border where a fifth of the page would go, or where what
// is left is not mostly paper: a dark page of a comic, or a panel's black reaching the edge.
QRect InsideDarkBorders(const QImage& grey, int paper)
{
    const QRect whole = grey.rect();
    const int dark = paper / 2;
    const auto rowDark = [&](const QRect& r, int y) {
        return DarkShare(grey, QPoint(r.left(), y), QPoint(1, 0), r.width(), dark) >= 0.5;
    };
    const auto columnDark = [&](const QRect& r, int x) {
        return DarkShare(grey, QPoint(x, r.top()), QPoint(0, 1), r.height(), dark) >= 0.5;
    };
    // Most pages have no border: four lines tell.
    if (!rowDark(whole, whole.top()) && !rowDark(whole, whole.bottom()) && !columnDark(whole, whole.left()) &&
        !columnDark(whole, whole.right()))
        return whole;
    QRect page = whole;
    const int limitX = whole.width() / 5, limitY = whole.height() / 5;
    for (bool peeled = true; peeled;) {
        peeled = false;
        for (; page.height() > 1 && rowDark(page, page.top()); peeled = true) page.setTop(page.top() + 1);
        for (; page.height() > 1 && rowDark(page, page.bottom()); peeled = true) page.setBottom(page.bottom() - 1);
        for (; page.width() > 1 && columnDark(page, page.left()); peeled = true) page.setLeft(page.left() + 1);
        for (; page.width() > 1 && columnDark(page, page.right()); peeled = true) page.setRight(page.right() - 1);
        if (page.left() > limitX || whole.right() - page.right() > limitX || page.top() > limitY ||
            whole.bottom() - page.bottom() > limitY)
            return whole;
    }
    int64_t darkPixels = 0;
    for (int y = page.top(); y <= page.bottom(); ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = page.left(); x <= page.right(); ++x) darkPixels += row[x] < dark;
    }
    constexpr int MostlyPaper = 3;  // at most a third dark
    return darkPixels * MostlyPaper <= static_cast<int64_t>(page.width()) * page.height() ? page : whole;
}

}  // namespace

int InkThreshold(const QImage& grey)
{
    return std::max(1, PaperLevel(grey) - InkContrast);
}

QRect FindContent(const QImage& grey)
{
    const QRect whole = grey.rect();
    if (grey.isNull() || grey.format() != QImage::Format_Grayscale8) return whole;
    const int paper = PaperLevel(grey);
    const int threshold = std::max(1, paper - InkContrast);
    const QRect page = InsideDarkBorders(grey, paper);
    std::vector<int> inkPerRow(static_cast<size_t>(page.height())), inkPerColumn(static_cast<size_t>(page.width()));
    for (int y = 0; y < page.height(); ++y) {
        const uchar* row = grey.constScanLine(page.top() + y) + page.left();
        for (int x = 0; x < page.width(); ++x) {
            const int ink = row[x] < threshold;
            inkPerRow[static_cast<size_t>(y)] += ink;
            inkPerColumn[static_cast<size_t>(x)] += ink;
        }
    }
    const std::optional<TSpan> rows = ContentSpan(inkPerRow, page.width());
    const std::optional<TSpan> columns = ContentSpan(inkPerColumn, page.height());
    if (!rows || !columns) return page;
    const int border = std::max(1, std::max(grey.width(), grey.height()) / 100);
    const QRect content(page.topLeft() + QPoint(columns->First, rows->First),
                        page.topLeft() + QPoint(columns->Last, rows->Last));
    return content.adjusted(-border, -border, border, border).intersected(page);
}

void CropMarginsStep(TPictures& pictures, const TProcessOptions& options)
{
    if (!options.CropMargins) return;
    for (QImage& picture : pictures) picture = picture.copy(FindContent(picture));
}

}  // namespace making
