// Which pages of a multi-page source (a PDF) to take.
#pragma once

#include <QString>
#include <limits>
#include <optional>

namespace making {

// Counted from 1, both ends included.
struct TPageRange {
    int First = 1;
    int Last = std::numeric_limits<int>::max();

    bool operator==(const TPageRange&) const = default;
};

// "3-120", "7", "3-" or "-120"; nullopt for anything else.
std::optional<TPageRange> ParsePageRange(const QString& text);

// The range as ParsePageRange reads it; empty for all pages.
QString PageRangeText(const TPageRange& range);

}  // namespace making
