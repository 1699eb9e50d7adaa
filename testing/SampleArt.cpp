#include "SampleArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace sampleart {
namespace {

const TChapter Chapters[ChapterCount] = {
    {"Leaving Harbour", {"The Crew Comes Aboard", "Wind from the North"}},
    {"The Open Sea", {"A Night of Fog", "Stars to Steer By"}},
    {"Landfall", {"Green Hills Ahead", "The Last Log Entry"}},
};

const char* const Story =
    "The Karavel was small, as ships go, and older than anyone aboard. Her hull had been "
    "patched in a dozen harbours, and every patch had a story that the bosun would tell "
    "for a cup of tea. On the morning we sailed, the quay was wet with rain and the gulls "
    "argued over the nets. Nobody waved. The captain said that was lucky, and nobody asked "
    "why. By noon the town was a grey line behind us, and the sea ahead was wide and bright.";

void DrawShip(QPainter& painter, const QRectF& box)
{
    const qreal w = box.width(), h = box.height(), x = box.left(), y = box.top();
    QPainterPath hull;
    hull.moveTo(x + 0.05 * w, y + 0.62 * h);
    hull.lineTo(x + 0.95 * w, y + 0.62 * h);
    hull.quadTo(x + 0.85 * w, y + 0.85 * h, x + 0.7 * w, y + 0.85 * h);
    hull.lineTo(x + 0.25 * w, y + 0.85 * h);
    hull.quadTo(x + 0.12 * w, y + 0.8 * h, x + 0.05 * w, y + 0.62 * h);
    painter.setPen(QPen(Qt::black, 3));
    painter.setBrush(QColor(128, 128, 128));
    painter.drawPath(hull);
    painter.drawLine(QPointF(x + 0.5 * w, y + 0.62 * h), QPointF(x + 0.5 * w, y + 0.05 * h));
    painter.setBrush(QColor(192, 192, 192));
    painter.drawPolygon(
        QPolygonF{{x + 0.52 * w, y + 0.08 * h}, {x + 0.85 * w, y + 0.55 * h}, {x + 0.52 * w, y + 0.55 * h}});
    painter.drawPolygon(
        QPolygonF{{x + 0.48 * w, y + 0.15 * h}, {x + 0.2 * w, y + 0.55 * h}, {x + 0.48 * w, y + 0.55 * h}});
}

void DrawWaves(QPainter& painter, const QRectF& box)
{
    QLinearGradient sea(box.topLeft(), box.bottomLeft());
    sea.setColorAt(0, QColor(220, 220, 220));
    sea.setColorAt(1, QColor(90, 90, 90));
    painter.fillRect(box, sea);
    painter.setPen(QPen(Qt::white, 2));
    for (qreal y = box.top() + 10; y < box.bottom(); y += 18) {
        QPainterPath wave;
        wave.moveTo(box.left(), y);
        for (qreal x = box.left(); x < box.right(); x += 40)
            wave.quadTo(x + 10, y - 6, x + 20, y), wave.quadTo(x + 30, y + 6, x + 40, y);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(wave);
    }
}

void DrawCompass(QPainter& painter, const QPointF& centre, qreal radius)
{
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::black);
    for (int quarter = 0; quarter < 4; ++quarter) {
        painter.save();
        painter.translate(centre);
        painter.rotate(90.0 * quarter);
        painter.drawPolygon(QPolygonF{{0, -radius * 0.9}, {radius * 0.15, 0}, {-radius * 0.15, 0}});
        painter.restore();
    }
}

QImage BlankPage()
{
    QImage page(PageWidth, PageHeight, QImage::Format_Grayscale8);
    page.fill(255);
    return page;
}

// Index into black, dark grey, light grey, white for a grey value.
int NearestLevel(int grey)
{
    if (grey < 64) return 0;
    if (grey < 160) return 1;
    if (grey < 224) return 2;
    return 3;
}

}  // namespace

const TChapter& Chapter(int index)
{
    return Chapters[index];
}

QImage DrawChapterPage(int chapter)
{
    QImage page = BlankPage();
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(QFont(QStringLiteral("DejaVu Serif"), 26, QFont::Bold));
    painter.drawText(QRect(40, 40, 520, 60), Qt::AlignCenter,
                     QStringLiteral("Chapter %1: %2").arg(chapter + 1).arg(QLatin1String(Chapters[chapter].Title)));
    painter.setFont(QFont(QStringLiteral("DejaVu Serif"), 13));
    painter.drawText(QRect(50, 120, 500, 260), Qt::TextWordWrap | Qt::AlignJustify, QLatin1String(Story));
    DrawWaves(painter, QRectF(50, 560, 500, 180));
    DrawShip(painter, QRectF(140 + 60 * chapter, 400, 260, 220));
    DrawCompass(painter, QPointF(500, 440), 40);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    painter.drawText(QRect(0, 760, PageWidth, 30), Qt::AlignCenter, QString::number(chapter + 1));
    return page;
}

QImage DrawCover()
{
    QImage page = BlankPage();
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 8));
    painter.drawRect(20, 20, PageWidth - 40, PageHeight - 40);
    painter.setFont(QFont(QStringLiteral("DejaVu Serif"), 36, QFont::Bold));
    painter.drawText(QRect(40, 80, 520, 200), Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("The Voyage of the Karavel"));
    DrawShip(painter, QRectF(120, 300, 360, 320));
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 16));
    painter.drawText(QRect(40, 660, 520, 60), Qt::AlignCenter, QStringLiteral("A log of three chapters"));
    return page;
}

wolf::TGreyImage ToLevels(const QImage& grey, int bitCount)
{
    const QImage image = grey.convertToFormat(QImage::Format_Grayscale8);
    wolf::TGreyImage levels{image.width(), image.height(), {}};
    levels.Pixels.reserve(static_cast<size_t>(image.width()) * static_cast<size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            levels.Pixels.push_back(bitCount == 1 ? (row[x] < 128 ? 0 : 255) : wolf::GreyLevels[NearestLevel(row[x])]);
    }
    return levels;
}

std::string PackPixels(const QImage& grey, int bitCount)
{
    return wolf::PackRows(ToLevels(grey, bitCount), bitCount);
}

}  // namespace sampleart
