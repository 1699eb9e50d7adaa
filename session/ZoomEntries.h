// The entries of the zoom lists (the main window's and the preferences'), by index: stored
// indexes keep their meaning, so new entries only ever go at the end.
#pragma once

#include <QStringList>

namespace zoom {

constexpr int OneToOne = 0;      // "1:1", the page's physical size on the reading device
constexpr int FirstPercent = 1;  // "25%"; entry k is k times 25 %
constexpr int LastPercent = 8;   // "200%"
constexpr int FitPage = 9;
constexpr int FitWidth = 10;
constexpr int EntryCount = 11;

constexpr bool IsFit(int entry)
{
    return entry == FitPage || entry == FitWidth;
}

// The texts, in the program's language.
QStringList EntryTexts();

}  // namespace zoom
