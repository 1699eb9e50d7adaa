// Landscape pictures, usually two facing pages, made into portrait pages.
#pragma once

#include "ProcessOptions.h"

#include <QImage>
#include <vector>

namespace making {

// The pages one picture becomes, in reading order. A portrait picture, or any picture
// under TSpreadMode::Keep, stays as it is. Split gives the left half first, or the right
// half first when rightToLeft; Rotate turns the whole spread a quarter clockwise; Both
// gives the turned spread and then the halves.
std::vector<QImage> ArrangeSpread(const QImage& picture, TSpreadMode mode, bool rightToLeft);

}  // namespace making
