#include "ImageView.h"

#include <QPainter>
#include <QScrollBar>
#include <QSizeGrip>
#include <algorithm>
#include <cmath>

const QColor TImageView::Surround(128, 128, 128);

TImageView::TImageView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    viewport()->setAutoFillBackground(false);
    setCornerWidget(new QSizeGrip(this));
}

void TImageView::SetBitmap(QImage bitmap)
{
    FBitmap = std::move(bitmap);
    Changed();
}

void TImageView::Blacken()
{
    if (FBitmap.isNull()) return;
    FBitmap = QImage(FBitmap.size(), QImage::Format_RGB32);
    FBitmap.fill(Qt::black);
    Changed();
}

void TImageView::SetScale(double scaleX, double scaleY)
{
    FScaleX = std::max(scaleX, MinScale);
    FScaleY = std::max(scaleY, MinScale);
    Changed();
}

QSize TImageView::ScaledSize() const
{
    return {std::max(1, static_cast<int>(std::lround(FBitmap.width() * FScaleX))),
            std::max(1, static_cast<int>(std::lround(FBitmap.height() * FScaleY)))};
}

QImage TImageView::ScaledBitmap() const
{
    if (FBitmap.isNull()) return {};
    if (FScaled.isNull()) {
        const QSize size = ScaledSize();
        FScaled = size == FBitmap.size()
                      ? FBitmap
                      : FBitmap.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return FScaled;
}

void TImageView::ScrollBy(int dx, int dy)
{
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + dx);
    verticalScrollBar()->setValue(verticalScrollBar()->value() + dy);
}

void TImageView::Changed()
{
    FScaled = QImage();
    const QSize size = FBitmap.isNull() ? QSize(0, 0) : ScaledSize();
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, size.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, std::max(0, size.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    viewport()->update();
}

void TImageView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    const QImage keep = FScaled;
    Changed();
    FScaled = keep;
}

void TImageView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Surround);
    const QImage scaled = ScaledBitmap();
    if (scaled.isNull()) return;
    const QSize view = viewport()->size();
    // Centred when smaller than the view, otherwise placed by the scroll bars.
    const int x = scaled.width() < view.width() ? (view.width() - scaled.width()) / 2
                                                : -horizontalScrollBar()->value();
    const int y = scaled.height() < view.height() ? (view.height() - scaled.height()) / 2
                                                  : -verticalScrollBar()->value();
    painter.drawImage(QPoint(x, y), scaled);
}
