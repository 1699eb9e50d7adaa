// Scale factors of the zoom list's entries.
#pragma once

#include "ZoomEntries.h"

#include <QSize>
#include <optional>

constexpr int ZoomEntryCount = zoom::EntryCount;

struct TScaleFactors {
    double X = 1.0;
    double Y = 1.0;
};

// Entries 1 to 8 are k times 25 %. Entry 0, "1:1", shows the page at its physical size on
// the reading device (90 by 122 mm) on a monitor of the given millimetres; page is the
// picture's size as decoded, before any turn. Nothing for any other entry.
std::optional<TScaleFactors> ZoomFactors(int entry, QSize screen, int monitorWidthMm, int monitorHeightMm, QSize page);

// "Fit Page" and "Fit Width": one factor for both axes that fits the picture as shown into
// area, the view without scroll bars. A picture fitted to the width that comes out taller
// than the area leaves room for the vertical scroll bar, so that the bar cannot come and go
// with every fit. Nothing for other entries or an empty picture or area.
std::optional<double> FitFactor(int entry, QSize picture, QSize area, int scrollBarExtent);

// The percentage entry after (step 1) or before (step -1) the given factor; nothing when
// there is none in that direction.
std::optional<int> PercentEntryBeside(double factor, int step);
