// Landscape pictures, usually two facing pages, made into portrait pages.
#pragma once

#include "ProcessingStep.h"

#include <QImage>
#include <QRect>
#include <QSizeF>
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

// Every picture arranged so.
void ArrangeSpreadsStep(TPictures& pictures, const TProcessOptions& options);

// The box a picture of that size must fit so that each page it becomes fills the screen: the
// screen, twice its width for a landscape picture that is split, the screen turned for one that
// is rotated, the screen's width for a strip that is cut. Sources that draw their pages (a PDF) draw them at this size.
QSizeF SpreadBox(QSizeF picture, const TProcessOptions& options);

}  // namespace making
