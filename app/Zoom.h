// Scale factors of the zoom list's entries.
#pragma once

#include <QSize>
#include <optional>

constexpr int ZoomEntryCount = 9;  // "1:1", "25%" ... "200%"

struct TScaleFactors {
    double X = 1.0;
    double Y = 1.0;
};

// Entries 1 to 8 are k times 25 %. Entry 0, "1:1", shows the page at its physical size on
// the reading device (90 by 122 mm) on a monitor of the given millimetres; page is the
// picture's size as decoded, before any turn. Nothing for an entry outside 0 to 8.
std::optional<TScaleFactors> ZoomFactors(int entry, QSize screen, int monitorWidthMm,
                                         int monitorHeightMm, QSize page);
