// Finds the printed part of a scanned page, ignoring scanner specks, a page number standing
// apart near an edge and the scanner's dark border around the page.
#pragma once

#include "ProcessingStep.h"

#include <QImage>
#include <QRect>

namespace making {

// The level below which a pixel of a Format_Grayscale8 picture is ink on its paper.
int InkThreshold(const QImage& grey);

// The content's rectangle in a Format_Grayscale8 picture with a narrow border kept, inside a
// scanner's dark border if there is one; the page inside that border, or the whole picture,
// when it holds nothing but paper.
QRect FindContent(const QImage& grey);

// With CropMargins, each picture cut to its content.
void CropMarginsStep(TPictures& pictures, const TProcessOptions& options);

}  // namespace making
