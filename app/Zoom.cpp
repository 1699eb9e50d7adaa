#include "Zoom.h"

#include <algorithm>
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

std::optional<TScaleFactors> ZoomFactors(int entry, QSize screen, int monitorWidthMm, int monitorHeightMm, QSize page)
{
    if (entry >= zoom::FirstPercent && entry <= zoom::LastPercent) {
        const double factor = entry * 25 / 100.0;
        return TScaleFactors{factor, factor};
    }
    if (entry != zoom::OneToOne) return std::nullopt;
    return TScaleFactors{OneToOne(screen.width(), DeviceWidthMm, monitorWidthMm, page.width()),
                         OneToOne(screen.height(), DeviceHeightMm, monitorHeightMm, page.height())};
}

std::optional<double> FitFactor(int entry, QSize picture, QSize area, int scrollBarExtent)
{
    if (!zoom::IsFit(entry) || picture.isEmpty() || area.isEmpty()) return std::nullopt;
    const double across = double(area.width()) / picture.width();
    const double down = double(area.height()) / picture.height();
    if (entry == zoom::FitPage) return std::min(across, down);
    if (picture.height() * across <= area.height()) return across;
    return std::max(double(area.width() - scrollBarExtent), 1.0) / picture.width();
}

std::optional<int> PercentEntryBeside(double factor, int step)
{
    constexpr double Tolerance = 1e-6;
    if (step > 0) {
        for (int entry = zoom::FirstPercent; entry <= zoom::LastPercent; ++entry)
            if (entry * 0.25 > factor + Tolerance) return entry;
    } else {
        for (int entry = zoom::LastPercent; entry >= zoom::FirstPercent; --entry)
            if (entry * 0.25 < factor - Tolerance) return entry;
    }
    return std::nullopt;
}
