#include "ImageView.h"

#include <QPainter>
#include <QScrollBar>
#include <QSizeGrip>
#include <algorithm>
#include <cmath>

const QColor TImageView::Surround(128, 128, 128);
const QColor TImageView::Edge(40, 40, 40);

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
    const qreal ratio = devicePixelRatioF();
    if (FScaled.isNull() || FScaled.devicePixelRatio() != ratio) {
        const QSize size = ScaledSize() * ratio;
        FScaled =
            size == FBitmap.size() ? FBitmap : FBitmap.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        FScaled.setDevicePixelRatio(ratio);
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
    emit Resized();
}

void TImageView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Surround);
    const QImage scaled = ScaledBitmap();
    if (scaled.isNull()) return;
    const QSize view = viewport()->size();
    const QSize size = ScaledSize();
    // Centred when smaller than the view, otherwise placed by the scroll bars.
    const int x = size.width() < view.width() ? (view.width() - size.width()) / 2 : -horizontalScrollBar()->value();
    const int y = size.height() < view.height() ? (view.height() - size.height()) / 2 : -verticalScrollBar()->value();
    const QRect picture(QPoint(x, y), size);
    painter.setPen(Edge);
    painter.drawRect(picture.adjusted(-1, -1, 0, 0));
    painter.drawImage(picture.topLeft(), scaled);
}
