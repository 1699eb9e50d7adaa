#include "Strips.h"

#include "MarginCrop.h"

#include <algorithm>

namespace making {
namespace {

// Rows with no more ink than specks: 0.5 % of the width.
std::vector<bool> PaperRows(const QImage& grey)
{
    const int threshold = InkThreshold(grey), width = grey.width(), noise = width / 200;
    std::vector<bool> paper(static_cast<size_t>(grey.height()));
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        int ink = 0;
        for (int x = 0; x < width && ink <= noise; ++x) ink += row[x] < threshold;
        paper[static_cast<size_t>(y)] = ink <= noise;
    }
    return paper;
}

}  // namespace

bool IsStrip(QSize picture, const TProcessOptions& options)
{
    const QSize screen = options.Screen;
    return options.Strips == TStripMode::Split && picture.width() > 0 &&
           static_cast<qint64>(picture.height()) * screen.width() >
               2 * static_cast<qint64>(picture.width()) * screen.height();
}

std::vector<std::pair<int, int>> StripPageRows(const QImage& grey, QSize screen)
{
    const int height = grey.height();
    const int pageHeight =
        std::max(1, static_cast<int>(static_cast<qint64>(grey.width()) * screen.height() / screen.width()));
    const std::vector<bool> paper = PaperRows(grey);
    const auto isPaper = [&paper](int y) { return paper[static_cast<size_t>(y)]; };
    std::vector<std::pair<int, int>> pages;
    int top = 0;
    while (top < height) {
        int end = std::min(height, top + pageHeight);
        if (end < height)
            for (int y = end - 1; y >= top + pageHeight / 2; --y)
                if (isPaper(y)) {
                    end = y + 1;
                    break;
                }
        if (height - end <= pageHeight / 10) end = height;  // rather than a sliver of a page
        pages.emplace_back(top, end);
        top = end;
        while (top < height && isPaper(top)) ++top;
    }
    return pages;
}

void CutStripsStep(TPictures& pictures, const TProcessOptions& options)
{
    TPictures cut;
    for (QImage& picture : pictures) {
        if (!IsStrip(picture.size(), options)) {
            cut.push_back(std::move(picture));
            continue;
        }
        for (const auto& [first, last] : StripPageRows(picture, options.Screen))
            cut.push_back(picture.copy(0, first, picture.width(), last - first));
    }
    pictures = std::move(cut);
}

}  // namespace making
