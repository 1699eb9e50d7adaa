#include "ActionIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>
#include <functional>

namespace {

// One palette for every glyph so the set looks like one family.
const QColor Ink(40, 40, 40);
const QColor Paper(250, 250, 245);
const QColor Blue(40, 100, 190);
const QColor Green(40, 150, 60);
const QColor Red(200, 40, 40);
const QColor Yellow(235, 190, 60);
const QColor Brown(150, 100, 50);

void Page(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(Ink, 1));
    p.setBrush(Paper);
    p.drawRect(r);
}

void Lines(QPainter& p, qreal x1, qreal x2, qreal top, int count, qreal step = 2.5)
{
    p.setPen(QPen(Ink, 1));
    for (int i = 0; i < count; ++i) p.drawLine(QPointF(x1, top + i * step), QPointF(x2, top + i * step));
}

void Triangle(QPainter& p, QPointF a, QPointF b, QPointF c, const QColor& colour)
{
    p.setPen(QPen(colour.darker(140), 1));
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({a, b, c}));
}

void Bar(QPainter& p, qreal x, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRect(QRectF(x, 3, 2, 10));
}

void Arrow(QPainter& p, bool up, qreal cx, const QColor& colour)
{
    const qreal tip = up ? 2 : 14;
    Triangle(p, {cx, tip}, {cx - 5, 8}, {cx + 5, 8}, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRect(up ? QRectF(cx - 2, 8, 4, 6) : QRectF(cx - 2, 2, 4, 6));
}

void Pencil(QPainter& p)
{
    QPainterPath body;
    body.moveTo(14, 4);
    body.lineTo(8, 10);
    body.lineTo(6, 10);
    body.lineTo(6, 8);
    body.lineTo(12, 2);
    body.closeSubpath();
    p.setPen(QPen(Ink, 1));
    p.setBrush(Yellow);
    p.drawPath(body);
}

void Plus(QPainter& p)
{
    p.setPen(QPen(Green, 2.5));
    p.drawLine(QPointF(12, 8), QPointF(12, 15));
    p.drawLine(QPointF(8.5, 11.5), QPointF(15.5, 11.5));
}

void Cross(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(Red, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
}

// A page seen from the front with a dark band along its top edge, so the turn is visible.
void OrientedPage(QPainter& p, int orientation)
{
    const QRectF sheet = orientation == 0 ? QRectF(3.5, 1.5, 9, 13) : QRectF(1.5, 3.5, 13, 9);
    Page(p, sheet);
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    if (orientation == 0) p.drawRect(QRectF(sheet.left(), sheet.top(), sheet.width(), 3));
    if (orientation == 1) p.drawRect(QRectF(sheet.left(), sheet.top(), 3, sheet.height()));
    if (orientation == 2) p.drawRect(QRectF(sheet.right() - 3, sheet.top(), 3, sheet.height()));
}

void TocLines(QPainter& p, bool indentSecond)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawRect(QRectF(1, 2, 2, 2));
    p.drawRect(QRectF(indentSecond ? 4 : 1, 6, 2, 2));
    Lines(p, 4.5, 11, 3, 1);
    Lines(p, indentSecond ? 7.5 : 4.5, 11, 7, 1);
}

void Tray(QPainter& p)
{
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{1.5, 10}, {1.5, 14.5}, {14.5, 14.5}, {14.5, 10}}));
}

using TGlyph = std::function<void(QPainter&)>;

// In the order of TActionImage.
const std::array<TGlyph, dialogs::ActionImageCount>& Glyphs()
{
    static const std::array<TGlyph, dialogs::ActionImageCount> glyphs = {
        // 0 open: a folder
        [](QPainter& p) {
            p.setPen(QPen(Brown, 1));
            p.setBrush(Yellow.darker(110));
            p.drawRect(QRectF(1.5, 3.5, 6, 3));
            p.setBrush(Yellow);
            p.drawRect(QRectF(1.5, 5.5, 13, 8));
        },
        // 1 preferences: a gear
        [](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(Ink.lighter(180));
            p.translate(8, 8);
            for (int i = 0; i < 8; ++i) {
                p.drawRect(QRectF(-1.5, -7.5, 3, 4));
                p.rotate(45);
            }
            p.drawEllipse(QPointF(0, 0), 5, 5);
            p.setBrush(Paper);
            p.drawEllipse(QPointF(0, 0), 2, 2);
        },
        // 2 about: an "i" in a blue disc
        [](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(Blue);
            p.drawEllipse(QRectF(1, 1, 14, 14));
            p.setBrush(Paper);
            p.drawEllipse(QRectF(7, 3.5, 2, 2));
            p.drawRect(QRectF(7, 6.5, 2, 6));
        },
        // 3 exit: a door with an arrow leaving it
        [](QPainter& p) {
            p.setPen(QPen(Ink, 1));
            p.setBrush(Brown);
            p.drawRect(QRectF(2.5, 1.5, 7, 13));
            Triangle(p, {15, 8}, {11, 4.5}, {11, 11.5}, Green);
            p.setPen(QPen(Green, 2));
            p.drawLine(QPointF(6, 8), QPointF(11, 8));
        },
        // 4 first page
        [](QPainter& p) {
            Bar(p, 2.5, Green);
            Triangle(p, {5, 8}, {13, 3}, {13, 13}, Green);
        },
        // 5 previous page
        [](QPainter& p) {
            Triangle(p, {3.5, 8}, {12, 3}, {12, 13}, Green);
        },
        // 6 next page
        [](QPainter& p) {
            Triangle(p, {12.5, 8}, {4, 3}, {4, 13}, Green);
        },
        // 7 last page
        [](QPainter& p) {
            Triangle(p, {11, 8}, {3, 3}, {3, 13}, Green);
            Bar(p, 11.5, Green);
        },
        // 8 go to page: a page and an arrow pointing at it
        [](QPainter& p) {
            Page(p, QRectF(6.5, 1.5, 8, 13));
            Lines(p, 8.5, 12.5, 5, 3);
            Triangle(p, {9, 11}, {4, 7.5}, {4, 14.5}, Green);
            p.setPen(QPen(Green, 2));
            p.drawLine(QPointF(0.5, 11), QPointF(5, 11));
        },
        // 9 cover page: a bound book with a title plate
        [](QPainter& p) {
            p.setPen(QPen(Blue.darker(150), 1));
            p.setBrush(Blue);
            p.drawRect(QRectF(3.5, 1.5, 10, 13));
            p.setBrush(Paper);
            p.drawRect(QRectF(5.5, 4.5, 6, 3));
            p.setPen(QPen(Blue.darker(150), 1));
            p.drawLine(QPointF(5, 2), QPointF(5, 14));
        },
        // 10 description: a page of text
        [](QPainter& p) {
            Page(p, QRectF(3.5, 1.5, 9, 13));
            Lines(p, 5.5, 10.5, 4.5, 4);
        },
        // 11 table of contents: a list of entries
        [](QPainter& p) {
            Page(p, QRectF(1.5, 1.5, 13, 13));
            p.setPen(Qt::NoPen);
            p.setBrush(Blue);
            for (int i = 0; i < 4; ++i) p.drawRect(QRectF(i % 2 ? 6 : 3.5, 3.5 + i * 2.5, 1.5, 1.5));
            for (int i = 0; i < 4; ++i) Lines(p, i % 2 ? 8.5 : 6, 12.5, 4.25 + i * 2.5, 1);
        },
        // 12 edit description
        [](QPainter& p) {
            Page(p, QRectF(1.5, 1.5, 9, 13));
            Lines(p, 3.5, 8.5, 4.5, 4);
            Pencil(p);
        },
        // 13 edit table of contents
        [](QPainter& p) {
            TocLines(p, true);
            Lines(p, 1, 6, 11, 2);
            Pencil(p);
        },
        // 14-16 portrait, landscape left, landscape right
        [](QPainter& p) { OrientedPage(p, 0); },
        [](QPainter& p) { OrientedPage(p, 1); },
        [](QPainter& p) { OrientedPage(p, 2); },
        // 17 import: an arrow going down into a tray
        [](QPainter& p) {
            Tray(p);
            Arrow(p, false, 8, Green);
        },
        // 18 export: an arrow rising out of a tray
        [](QPainter& p) {
            Tray(p);
            Arrow(p, true, 8, Blue);
        },
        // 19 new peer item
        [](QPainter& p) {
            TocLines(p, false);
            Plus(p);
        },
        // 20 new subitem
        [](QPainter& p) {
            TocLines(p, true);
            Plus(p);
        },
        // 21 edit item
        [](QPainter& p) {
            TocLines(p, false);
            Pencil(p);
        },
        // 22 delete item
        [](QPainter& p) { Cross(p, QRectF(3, 3, 10, 10)); },
        // 23 move up, 24 move down
        [](QPainter& p) { Arrow(p, true, 8, Blue); },
        [](QPainter& p) { Arrow(p, false, 8, Blue); },
        // 25 save: a diskette
        [](QPainter& p) {
            p.setPen(QPen(Ink, 1));
            p.setBrush(Blue);
            p.drawRect(QRectF(1.5, 1.5, 13, 13));
            p.setBrush(Paper);
            p.drawRect(QRectF(4.5, 1.5, 7, 5));
            p.setBrush(Ink.lighter(200));
            p.drawRect(QRectF(3.5, 9.5, 9, 5));
        },
        // 26 cancel: a barred red circle
        [](QPainter& p) {
            p.setPen(QPen(Red, 2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(2, 2, 12, 12));
            p.drawLine(QPointF(4, 12), QPointF(12, 4));
        },
    };
    return glyphs;
}

QPixmap Render(const TGlyph& glyph, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    glyph(painter);
    return pixmap;
}

}  // namespace

QIcon ActionIcon(dialogs::TActionImage image)
{
    static std::array<QIcon, dialogs::ActionImageCount> icons;
    const auto index = static_cast<size_t>(image);
    QIcon& icon = icons[index];
    if (icon.isNull()) {
        // Drawn for the common device pixel ratios (1, 1.5, 2, 3, 4) rather than scaled.
        for (const int size : {16, 24, 32, 48, 64}) icon.addPixmap(Render(Glyphs()[index], size));
    }
    return icon;
}

QIcon ApplicationIcon()
{
    Q_INIT_RESOURCE(icons);  // the resources live in a static library
    // The SVG engine draws the artwork at any size; the drawn sizes serve where it is missing.
    QIcon icon(QStringLiteral(":/icons/karavel.svg"));
    for (const int size : {16, 32, 48}) icon.addFile(QStringLiteral(":/icons/karavel-%1.png").arg(size));
    return icon;
}
