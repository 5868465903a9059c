#include "document/tool_bar_images.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>
#include <initializer_list>
#include <iterator>

namespace tgx::ToolBarImages {

namespace {

constexpr int kSize = 18;

// Draws in the 18 x 18 units of a tool-bar image, scaled to size pixels.
void paintScaled(QPainter &painter, int size, const std::function<void(QPainter &)> &draw)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / double(kSize), size / double(kSize));
    draw(painter);
}

QIcon drawn(int size, const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paintScaled(painter, size, draw);
    return QIcon(pixmap);
}

void page(QPainter &p)
{
    QPainterPath sheet;
    sheet.moveTo(3.5, 1.5);
    sheet.lineTo(11.5, 1.5);
    sheet.lineTo(14.5, 4.5);
    sheet.lineTo(14.5, 16.5);
    sheet.lineTo(3.5, 16.5);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.drawLine(QPointF(11.5, 1.5), QPointF(11.5, 4.5));
    p.drawLine(QPointF(11.5, 4.5), QPointF(14.5, 4.5));
}

// A small locomotive seen from the side, the common part of the train images.
void locomotive(QPainter &p)
{
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(1.5, 6.5, 11, 6));
    p.setBrush(QColor(160, 210, 240));
    p.drawRect(QRectF(3, 8, 3, 2.5));
    p.drawRect(QRectF(8, 8, 3, 2.5));
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(QPointF(4, 14), 1.6, 1.6);
    p.drawEllipse(QPointF(10, 14), 1.6, 1.6);
}

void badge(QPainter &p, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(13.5, 4.5), 4, 4);
    p.setPen(QPen(Qt::white, 1.6));
}

// A small train graph on a light card: three station lines and three trains
// in distinct colours, one after another, each stopping in the middle
// station. The dark rim bounds the card on light panels, the light
// card on dark ones.
void stationLines(QPainter &p)
{
    p.setPen(QPen(QColor(120, 125, 135), 0.9));
    for (double y : {4.5, 9.0, 13.5})
        p.drawLine(QPointF(2.5, y), QPointF(15.5, y));
}

void trainPath(QPainter &p, const QColor &colour, std::initializer_list<QPointF> points)
{
    QPen pen(colour, 1.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(std::data(points), int(points.size()));
}

void timetableGraph(QPainter &p)
{
    p.setPen(QPen(QColor(45, 55, 75), 1.2));
    p.setBrush(QColor(252, 250, 240));
    p.drawRoundedRect(QRectF(1.1, 1.1, 15.8, 15.8), 2.5, 2.5);
    stationLines(p);
    trainPath(p, QColor(215, 35, 35), {{2.5, 4.5}, {4.7, 9}, {6.2, 9}, {8.4, 13.5}});
    trainPath(p, QColor(30, 95, 215), {{6.1, 4.5}, {8.3, 9}, {9.8, 9}, {12, 13.5}});
    trainPath(p, QColor(20, 150, 60), {{9.7, 4.5}, {11.9, 9}, {13.4, 9}, {15.6, 13.5}});
}

} // namespace

QIcon newDocument()
{
    return drawn(kSize, [](QPainter &p) {
        page(p);
        p.setPen(QPen(QColor(230, 170, 0), 1.5));
        p.drawLine(QPointF(6, 9), QPointF(12, 9));
        p.drawLine(QPointF(9, 6), QPointF(9, 12));
    });
}

QIcon open()
{
    return drawn(kSize, [](QPainter &p) {
        p.setPen(QPen(QColor(120, 90, 20), 1));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(1.5, 4.5, 13, 10));
        p.setBrush(QColor(250, 225, 130));
        QPolygonF flap({QPointF(3.5, 8.5), QPointF(16.5, 8.5), QPointF(14.5, 14.5), QPointF(1.5, 14.5)});
        p.drawPolygon(flap);
    });
}

QIcon save()
{
    return drawn(kSize, [](QPainter &p) {
        p.setPen(QPen(QColor(20, 30, 80), 1));
        p.setBrush(QColor(60, 90, 170));
        p.drawRect(QRectF(2.5, 2.5, 13, 13));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5, 2.5, 8, 5));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(5, 10, 8, 5.5));
    });
}

QIcon addTrain()
{
    return drawn(kSize, [](QPainter &p) {
        locomotive(p);
        badge(p, QColor(30, 150, 50));
        p.drawLine(QPointF(11.5, 4.5), QPointF(15.5, 4.5));
        p.drawLine(QPointF(13.5, 2.5), QPointF(13.5, 6.5));
    });
}

QIcon editTrain()
{
    return drawn(kSize, [](QPainter &p) {
        locomotive(p);
        p.setPen(QPen(QColor(90, 60, 20), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 7.5), QPointF(16, 1.5));
        p.setPen(QPen(QColor(240, 190, 60), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10.5, 7), QPointF(15.5, 2));
    });
}

QIcon removeTrain()
{
    return drawn(kSize, [](QPainter &p) {
        locomotive(p);
        badge(p, QColor(200, 30, 30));
        p.drawLine(QPointF(11.5, 4.5), QPointF(15.5, 4.5));
    });
}

QIcon help()
{
    return drawn(kSize, [](QPainter &p) {
        p.setPen(QPen(QColor(20, 60, 140), 1));
        p.setBrush(QColor(50, 110, 210));
        p.drawEllipse(QPointF(9, 9), 7.5, 7.5);
        QFont font;
        font.setPixelSize(12);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("?"));
    });
}

// Three tracks over the day, each with a train's stretch on it; two of them
// meet in red.
QIcon trackOccupancy()
{
    return drawn(kSize, [](QPainter &p) {
        p.setPen(QPen(QColor(150, 150, 150), 1));
        for (double y : {4.5, 9.5, 14.5})
            p.drawLine(QPointF(1, y), QPointF(17, y));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(50, 110, 210));
        p.drawRect(QRectF(2, 2.5, 7, 4));
        p.setBrush(QColor(230, 140, 30));
        p.drawRect(QRectF(9, 7.5, 7, 4));
        p.setBrush(QColor(40, 150, 70));
        p.drawRect(QRectF(4, 12.5, 6, 4));
        p.setPen(QPen(QColor(210, 30, 30), 1.2));
        p.setBrush(QColor(50, 110, 210));
        p.drawRect(QRectF(8.5, 12.5, 7, 4));
    });
}

// Three stations across the day, with two trains sloping between them: one
// stands at the middle station, the other meets it there.
QIcon lineGraph()
{
    return drawn(kSize, [](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(90, 90, 90), 1));
        for (double y : {2.5, 9.5, 15.5})
            p.drawLine(QPointF(1, y), QPointF(17, y));
        p.setPen(QPen(QColor(50, 110, 210), 1.6));
        p.drawPolyline(QPolygonF({QPointF(1, 2.5), QPointF(6, 9.5), QPointF(9, 9.5), QPointF(14, 15.5)}));
        p.setPen(QPen(QColor(210, 30, 30), 1.6));
        p.drawPolyline(QPolygonF({QPointF(3, 15.5), QPointF(8, 9.5), QPointF(16, 2.5)}));
    });
}

QIcon programIcon()
{
    return drawn(64, timetableGraph);
}

void paintProgramIcon(QPainter &painter, int size)
{
    paintScaled(painter, size, timetableGraph);
}

} // namespace tgx::ToolBarImages
