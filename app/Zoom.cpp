#include "Zoom.h"

#include <cstdint>

namespace {
constexpr int DeviceWidthMm = 90;
constexpr int DeviceHeightMm = 122;

// Stored in single precision like the factors the zoom was first defined with; 64-bit
// products so that a hand-edited monitor size cannot overflow.
double OneToOne(int screenPixels, int deviceMm, int monitorMm, int pagePixels)
{
    // Through a volatile: g++ 12 at -O2 vectorises the two factors and drops the rounding.
    const volatile float factor = static_cast<float>(static_cast<double>(int64_t{screenPixels} * deviceMm) /
                                                     static_cast<double>(int64_t{monitorMm} * pagePixels));
    return factor;
}
}  // namespace

std::optional<TScaleFactors> ZoomFactors(int entry, QSize screen, int monitorWidthMm,
                                         int monitorHeightMm, QSize page)
{
    if (entry >= 1 && entry < ZoomEntryCount) {
        const double factor = entry * 25 / 100.0;
        return TScaleFactors{factor, factor};
    }
    if (entry != 0) return std::nullopt;
    return TScaleFactors{OneToOne(screen.width(), DeviceWidthMm, monitorWidthMm, page.width()),
                         OneToOne(screen.height(), DeviceHeightMm, monitorHeightMm, page.height())};
}
