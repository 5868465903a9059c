#include "occupancy/chart_bar_style.h"

#include <QPainter>

namespace tgx {

namespace {

const QColor kConflict(220, 0, 0);
const QColor kSelectedFrame(0, 0, 0);

} // namespace

QColor categoryColour(TrainCategory category)
{
    switch (category) {
    case TrainCategory::Passenger: return QColor(104, 156, 232);
    case TrainCategory::Freight: return QColor(224, 150, 72);
    case TrainCategory::Locomotive: return QColor(112, 190, 104);
    case TrainCategory::Other: break;
    }
    return QColor(176, 176, 176);
}

BarColours::BarColours(TrainCategory category)
    : fill(categoryColour(category))
    , border(fill.darker(150))
    , estimated(fill.lighter(135))
    , hatching(fill.darker(160), Qt::BDiagPattern)
{
}

void paintEstimated(QPainter &painter, const QRectF &rect, const BarColours &colours)
{
    painter.fillRect(rect, colours.estimated);
    painter.fillRect(rect, colours.hatching);
}

void paintOutline(QPainter &painter, const QRectF &rect, const BarColours &colours, Outline outline)
{
    painter.setBrush(Qt::NoBrush);
    if (outline == Outline::Collision || outline == Outline::PossibleCollision) {
        // Dashes of two pen widths stay apart even on the shortest bars.
        QPen pen(kConflict, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        if (outline == Outline::PossibleCollision)
            pen.setDashPattern({2, 1.5});
        painter.setPen(pen);
        painter.drawRect(rect.adjusted(1, 1, -1, -1));
    } else {
        painter.setPen(outline == Outline::Selected ? kSelectedFrame : colours.border);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
}

} // namespace tgx
