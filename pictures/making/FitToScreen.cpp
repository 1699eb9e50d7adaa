#include "FitToScreen.h"

#include <algorithm>

namespace making {

QImage FitToScreen(const QImage& grey, QSize screen, bool stretch, bool upscale)
{
    QSize target = grey.size().scaled(screen, stretch ? Qt::IgnoreAspectRatio : Qt::KeepAspectRatio);
    if (!upscale && (target.width() > grey.width() || target.height() > grey.height()))
        target = grey.size().boundedTo(screen).expandedTo(QSize(1, 1));
    target = target.boundedTo(screen).expandedTo(QSize(1, 1));
    const QImage scaled =
        target == grey.size() ? grey : grey.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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
