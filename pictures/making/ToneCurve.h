// Contrast and gamma of a grey picture, applied through one lookup table.
#pragma once

#include "ProcessingStep.h"

#include <QImage>

namespace making {

// In place on a Format_Grayscale8 picture. autoContrast stretches the levels between the
// darkest and the brightest 0.5 % of the pixels to the full range (a picture with almost
// no spread of levels is left alone); then output = 255 * (input / 255) ^ gamma.
void AdjustTone(QImage& grey, bool autoContrast, double gamma);

// Every picture toned so; after fitting, there are fewer pixels to look at and the same levels.
void AdjustToneStep(TPictures& pictures, const TProcessOptions& options);

}  // namespace making
