#include "VersionInfo.h"

#include "BuildVersion.h"

namespace platform {

// Executables here carry no version resource: the build's own version stands in for it.
TVersionTexts GetVersionTexts(const QString&, uint32_t mask)
{
    constexpr uint32_t buildFlags = 0;
    return FormatVersionTexts(build::VersionMajor, build::VersionMinor, build::VersionPatch, buildFlags, mask);
}

}  // namespace platform
