// Finds the printed part of a scanned page, ignoring scanner specks and a page number
// standing apart near an edge.
#pragma once

#include "ProcessingStep.h"

#include <QImage>
#include <QRect>

namespace making {

// The content's rectangle in a Format_Grayscale8 picture with a narrow border kept, or the
// whole picture when it holds nothing but paper.
QRect FindContent(const QImage& grey);

// With CropMargins, each picture cut to its content.
void CropMarginsStep(TPictures& pictures, const TProcessOptions& options);

}  // namespace making
