#include "occupancy/drag_label.h"

#include "editing/train_drag.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace tgx {

namespace {

const QColor kLabelFill(255, 248, 200);
const QColor kLabelFrame(120, 100, 0);
const QColor kLabelText(0, 0, 0);
constexpr double kPadding = 3;
constexpr double kGap = 6; // between the train and its label

} // namespace

void paintDragLabel(QPainter &painter, double left, double middle, const QRectF &area, int minutes)
{
    const QString text = shiftLabel(minutes);
    const QFontMetricsF metrics(painter.font());
    QRectF box(0, 0, metrics.horizontalAdvance(text) + 2 * kPadding, metrics.height() + 2 * kPadding);
    box.moveCenter(QPointF(left + kGap + box.width() / 2, middle));
    box.moveLeft(std::clamp(box.left(), area.left(), std::max(area.left(), area.right() - box.width())));
    box.moveTop(std::clamp(box.top(), area.top(), std::max(area.top(), area.bottom() - box.height())));
    painter.save();
    painter.setPen(kLabelFrame);
    painter.setBrush(kLabelFill);
    painter.drawRect(box);
    painter.setPen(kLabelText);
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}

} // namespace tgx
