#include "PagePicture.h"

#include <QTransform>
#include <cstring>

namespace pagepicture {

QImage ToQImage(const wolf::TGreyImage& page)
{
    if (page.Width <= 0 || page.Height <= 0) return {};
    const auto rowBytes = static_cast<size_t>(page.Width);
    if (page.Pixels.size() < rowBytes * static_cast<size_t>(page.Height)) return {};
    QImage picture(page.Width, page.Height, QImage::Format_Grayscale8);
    if (picture.isNull()) return {};
    // QImage pads its rows to 4 bytes, so copy row by row.
    for (int y = 0; y < page.Height; ++y)
        std::memcpy(picture.scanLine(y), page.Pixels.data() + static_cast<size_t>(y) * rowBytes, rowBytes);
    return picture;
}

wolf::TGreyImage ToGreyImage(const QImage& picture)
{
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    wolf::TGreyImage page;
    page.Width = grey.width();
    page.Height = grey.height();
    page.Pixels.resize(static_cast<size_t>(page.Width) * static_cast<size_t>(page.Height));
    for (int y = 0; y < page.Height; ++y)
        std::memcpy(page.Pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(page.Width),
                    grey.constScanLine(y), static_cast<size_t>(page.Width));
    return page;
}

QImage TurnForOrientation(const QImage& picture, TOrientation orientation)
{
    // In Qt's y-down coordinates a positive angle turns clockwise. Quarter turns take
    // Qt's exact pixel-rotation path, with no resampling.
    switch (orientation) {
    case TOrientation::LandscapeLeft: return picture.transformed(QTransform().rotate(-90));
    case TOrientation::LandscapeRight: return picture.transformed(QTransform().rotate(90));
    case TOrientation::Portrait: break;
    }
    return picture;
}

}  // namespace pagepicture
