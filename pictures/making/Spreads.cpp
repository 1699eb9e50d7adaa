#include "Spreads.h"

#include "Strips.h"

#include <QTransform>

namespace making {

std::vector<TSpreadPage> SpreadPages(QSize picture, TSpreadMode mode, bool rightToLeft)
{
    const QRect whole(QPoint(0, 0), picture);
    if (picture.width() <= picture.height() || mode == TSpreadMode::Keep) return {{whole}};
    const int leftWidth = picture.width() / 2;
    const QRect left(0, 0, leftWidth, picture.height());
    const QRect right(leftWidth, 0, picture.width() - leftWidth, picture.height());
    std::vector<TSpreadPage> pages;
    if (mode != TSpreadMode::Split) pages.push_back({whole, true});
    if (mode != TSpreadMode::Rotate) {
        pages.push_back({rightToLeft ? right : left});
        pages.push_back({rightToLeft ? left : right});
    }
    return pages;
}

std::vector<QImage> ArrangeSpread(const QImage& picture, TSpreadMode mode, bool rightToLeft)
{
    std::vector<QImage> pages;
    for (const TSpreadPage& page : SpreadPages(picture.size(), mode, rightToLeft)) {
        const QImage part = page.Area == picture.rect() ? picture : picture.copy(page.Area);
        pages.push_back(page.Turned ? part.transformed(QTransform().rotate(90)) : part);
    }
    return pages;
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
    if (IsStrip(picture.toSize(), options))
        return QSizeF(screen.width(), screen.width() * picture.height() / picture.width());
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
