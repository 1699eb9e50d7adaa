// Counts of the grey levels of a picture, and the levels reached by a share of its pixels.
#pragma once

#include <QImage>
#include <array>
#include <cstdint>

namespace making {

using THistogram = std::array<int64_t, 256>;

// Of a Format_Grayscale8 picture.
THistogram GreyHistogram(const QImage& grey);

// The darkest level such that more than count pixels are at or below it (255 if none).
int DarkLevel(const THistogram& histogram, int64_t count);
// The brightest level such that more than count pixels are at or above it (0 if none).
int BrightLevel(const THistogram& histogram, int64_t count);

}  // namespace making
