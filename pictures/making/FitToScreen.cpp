#include "FitToScreen.h"

#include "GreyShrinking.h"

#include <algorithm>

namespace making {

QSize FittedSize(QSize picture, QSize screen, bool stretch, bool upscale)
{
    QSize target = picture.scaled(screen, stretch ? Qt::IgnoreAspectRatio : Qt::KeepAspectRatio);
    if (!upscale && (target.width() > picture.width() || target.height() > picture.height()))
        target = picture.boundedTo(screen).expandedTo(QSize(1, 1));
    return target.boundedTo(screen).expandedTo(QSize(1, 1));
}

QImage FitToScreen(const QImage& grey, QSize screen, bool stretch, bool upscale)
{
    const QSize target = FittedSize(grey.size(), screen, stretch, upscale);
    QImage scaled = grey;
    if (target.width() <= grey.width() && target.height() <= grey.height()) {
        if (target != grey.size()) scaled = ShrinkGrey(grey, target);
    } else {
        scaled = grey.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (scaled.size() == screen) return scaled.convertToFormat(QImage::Format_Grayscale8);
    QImage page(screen, QImage::Format_Grayscale8);
    page.fill(255);
    const int left = (screen.width() - scaled.width()) / 2, top = (screen.height() - scaled.height()) / 2;
    for (int y = 0; y < scaled.height(); ++y)
        std::copy_n(scaled.constScanLine(y), scaled.width(), page.scanLine(top + y) + left);
    return page;
}

void FitToScreenStep(TPictures& pictures, const TProcessOptions& options)
{
    for (QImage& picture : pictures) picture = FitToScreen(picture, options.Screen, options.Stretch, options.Upscale);
}

}  // namespace making
