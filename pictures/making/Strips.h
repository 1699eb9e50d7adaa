// Long strips (a webtoon's episode, 800 x 12000) cut into pages of the screen's shape.
#pragma once

#include "ProcessingStep.h"

#include <QImage>
#include <QSize>
#include <vector>

namespace making {

// Whether a picture of that size is a strip to cut: under TStripMode::Split, one more than
// twice as tall, for its width, as the screen.
bool IsStrip(QSize picture, const TProcessOptions& options);

// The rows [first, last) of each page a Format_Grayscale8 strip becomes, top to bottom: each
// at most as tall as the screen's shape allows at the strip's width, ending in a band of
// paper across the whole width (a gap between panels) where one lies in its lower half, the
// paper left at the top of the next page dropped; a last sliver joins the page before.
std::vector<std::pair<int, int>> StripPageRows(const QImage& grey, QSize screen);

// Every strip cut so; other pictures as they are.
void CutStripsStep(TPictures& pictures, const TProcessOptions& options);

}  // namespace making
