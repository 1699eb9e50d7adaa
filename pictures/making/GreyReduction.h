// Reduction of a grey picture to the few levels the book's pages hold.
#pragma once

#include "ProcessingStep.h"

#include <QImage>
#include <span>

namespace making {

// The levels a page of that many bits shows: 2 -> 0, 128, 192, 255; 1 -> 0, 255.
std::span<const uchar> PageLevels(int bits);

// In place on a Format_Grayscale8 picture; afterwards every pixel holds one of the levels.
// Floyd-Steinberg spreads each pixel's error onto its neighbours (serpentine, so that no
// drift to one side builds up), which keeps the mean brightness of every area; Ordered
// compares against an 8 x 8 Bayer matrix between the two nearest levels; Threshold takes
// the nearest level.
void ReduceToLevels(QImage& grey, int bits, TDitherMethod method);

// Every picture reduced to the levels of the options' bit count.
void ReduceToLevelsStep(TPictures& pictures, const TProcessOptions& options);

}  // namespace making
