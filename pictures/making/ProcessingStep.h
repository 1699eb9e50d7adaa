// A step of the chain from a decoded picture to a book's pages. Each step lives in a file of
// its own and is listed once, in its place, in the chain (PageProcessor.cpp); its options are
// declared in OptionDeclarations.cpp.
#pragma once

#include "ProcessOptions.h"

#include <QImage>
#include <vector>

namespace making {

// The grey pictures (Format_Grayscale8) one source picture has become so far, in reading order.
using TPictures = std::vector<QImage>;

using TProcessingStep = void (*)(TPictures& pictures, const TProcessOptions& options);

}  // namespace making
