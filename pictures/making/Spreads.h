// Landscape pictures, usually two facing pages, made into portrait pages.
#pragma once

#include "ProcessingStep.h"

#include <QImage>
#include <QSizeF>
#include <vector>

namespace making {

// The pages one picture becomes, in reading order. A portrait picture, or any picture
// under TSpreadMode::Keep, stays as it is. Split gives the left half first, or the right
// half first when rightToLeft; Rotate turns the whole spread a quarter clockwise; Both
// gives the turned spread and then the halves.
std::vector<QImage> ArrangeSpread(const QImage& picture, TSpreadMode mode, bool rightToLeft);

// Every picture arranged so.
void ArrangeSpreadsStep(TPictures& pictures, const TProcessOptions& options);

// The box a picture of that size must fit so that each page it becomes fills the screen: the
// screen, twice its width for a landscape picture that is split, the screen turned for one that
// is rotated. Sources that draw their pages (a PDF) draw them at this size.
QSizeF SpreadBox(QSizeF picture, const TProcessOptions& options);

}  // namespace making
