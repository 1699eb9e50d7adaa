// Which grey levels a picture uses, for tests of what the page processing leaves.
#pragma once

#include <QImage>
#include <set>

// The levels of a Format_Grayscale8 picture.
inline std::set<int> GreyLevels(const QImage& grey)
{
    std::set<int> levels;
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x) levels.insert(grey.constScanLine(y)[x]);
    return levels;
}
