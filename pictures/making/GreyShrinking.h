// Shrinking grey pictures without aliasing, at a fraction of the cost of Qt's smooth scaling.
#pragma once

#include <QImage>
#include <QSize>

namespace making {

// A Format_Grayscale8 picture shrunk to target, which is no larger than it on either side:
// each target pixel is the mean of the source area it covers, pixels cut by its edges counted
// by the share of them it covers, so that fine print and halftones do not alias and an even
// area keeps its level exactly. A null picture when the memory for it cannot be had.
QImage ShrinkGrey(const QImage& grey, QSize target);

}  // namespace making
