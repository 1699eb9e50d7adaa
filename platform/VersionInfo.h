// The program's version texts for the about box.
#pragma once

#include "VersionTexts.h"

namespace platform {

// Windows: the file's version resource. Elsewhere: the build's version constants.
TVersionTexts GetVersionTexts(const QString& fileName, uint32_t mask);

}  // namespace platform
