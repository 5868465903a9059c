#pragma once

class QPainter;
class QPointF;
class QRectF;

namespace tgx {

// Paints the label of a train dragged by minutes ("+7 min") in a small box
// whose left edge is at left, centred on middle, kept inside area as far as
// it fits. The chart and the line's graph share it.
void paintDragLabel(QPainter &painter, double left, double middle, const QRectF &area, int minutes);

} // namespace tgx
