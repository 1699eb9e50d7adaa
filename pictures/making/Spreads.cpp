#include "Spreads.h"

#include <QTransform>

namespace making {
namespace {

std::vector<QImage> Halves(const QImage& picture, bool rightToLeft)
{
    const int leftWidth = picture.width() / 2;
    QImage left = picture.copy(0, 0, leftWidth, picture.height());
    QImage right = picture.copy(leftWidth, 0, picture.width() - leftWidth, picture.height());
    if (rightToLeft) return {right, left};
    return {left, right};
}

}  // namespace

std::vector<QImage> ArrangeSpread(const QImage& picture, TSpreadMode mode, bool rightToLeft)
{
    if (picture.width() <= picture.height() || mode == TSpreadMode::Keep) return {picture};
    const auto turned = [&] { return picture.transformed(QTransform().rotate(90)); };
    switch (mode) {
    case TSpreadMode::Split: return Halves(picture, rightToLeft);
    case TSpreadMode::Rotate: return {turned()};
    case TSpreadMode::Both: {
        std::vector<QImage> pages{turned()};
        for (QImage& half : Halves(picture, rightToLeft)) pages.push_back(std::move(half));
        return pages;
    }
    case TSpreadMode::Keep: break;
    }
    return {picture};
}

void ArrangeSpreadsStep(TPictures& pictures, const TProcessOptions& options)
{
    TPictures arranged;
    for (const QImage& picture : pictures)
        for (QImage& page : ArrangeSpread(picture, options.Spread, options.Direction == TReadingDirection::RightToLeft))
            arranged.push_back(std::move(page));
    pictures = std::move(arranged);
}

QSizeF SpreadBox(QSizeF picture, const TProcessOptions& options)
{
    const QSizeF screen = options.Screen;
    if (picture.width() <= picture.height()) return screen;
    switch (options.Spread) {
    case TSpreadMode::Split:
    case TSpreadMode::Both: return QSizeF(2 * screen.width(), screen.height());
    case TSpreadMode::Rotate: return screen.transposed();
    case TSpreadMode::Keep: break;
    }
    return screen;
}

}  // namespace making
