// Landscape pictures, usually two facing pages, made into portrait pages.
#pragma once

#include "ProcessOptions.h"

#include <QImage>
#include <QRect>
#include <vector>

namespace making {

// One page of a picture: the part of it the page shows, turned a quarter clockwise or not.
struct TSpreadPage {
    QRect Area;
    bool Turned = false;
    QSize Size() const { return Turned ? Area.size().transposed() : Area.size(); }
};

// The pages a picture of that size becomes, in reading order. A portrait picture, or any
// picture under TSpreadMode::Keep, stays whole. Split gives the left half first, or the right
// half first when rightToLeft; Rotate turns the whole spread; Both gives the turned spread and
// then the halves.
std::vector<TSpreadPage> SpreadPages(QSize picture, TSpreadMode mode, bool rightToLeft);

// The pictures of those pages.
std::vector<QImage> ArrangeSpread(const QImage& picture, TSpreadMode mode, bool rightToLeft);

}  // namespace making
