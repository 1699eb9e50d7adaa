// Scales a picture to the screen.
#pragma once

#include "ProcessingStep.h"

#include <QImage>
#include <QSize>

namespace making {

// The size a picture of that size is scaled to before it is set on the screen.
QSize FittedSize(QSize picture, QSize screen, bool stretch, bool upscale);

// A Format_Grayscale8 picture of exactly the screen's size. stretch fills the screen;
// otherwise the aspect ratio is kept and the picture centred on white. A picture smaller
// than the screen keeps its size unless upscale. Down-sampling averages the covered source
// area, so fine print and halftones do not alias.
QImage FitToScreen(const QImage& grey, QSize screen, bool stretch, bool upscale);

// Every picture fitted so.
void FitToScreenStep(TPictures& pictures, const TProcessOptions& options);

}  // namespace making
