// A scrollable view of one picture with separate horizontal and vertical scale factors:
// smooth resampling, the picture centred on a grey surround when smaller than the view.
#pragma once

#include <QAbstractScrollArea>
#include <QImage>

class TImageView : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr double MinScale = 0.001;
    static const QColor Surround;
    // A thin dark line around the picture, so that a grey page edge stands out from the
    // grey surround.
    static const QColor Edge;
    // Room a fitted picture leaves on each side, so that its edge stays in view.
    static constexpr int FitMargin = 2;

    explicit TImageView(QWidget* parent = nullptr);

    const QImage& Bitmap() const { return FBitmap; }
    void SetBitmap(QImage bitmap);
    // Opaque black, keeping the size.
    void Blacken();

    double ScaleX() const { return FScaleX; }
    double ScaleY() const { return FScaleY; }
    // Factors below MinScale are raised to it.
    void SetScale(double scaleX, double scaleY);

    // The picture as drawn, scaled (cached until the picture or the scale changes), in
    // device pixels: on a high-density screen it is resampled from the bitmap straight to
    // the physical resolution, and carries the screen's device pixel ratio.
    QImage ScaledBitmap() const;
    // Scrolls by a pixel distance on either axis.
    void ScrollBy(int dx, int dy);

signals:
    void Resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize ScaledSize() const;
    void Changed();

    QImage FBitmap;
    double FScaleX = 1.0;
    double FScaleY = 1.0;
    mutable QImage FScaled;
};
