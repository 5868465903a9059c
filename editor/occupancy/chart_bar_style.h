#pragma once

#include "occupancy/occupancy_plan.h"

#include <QBrush>
#include <QColor>

class QPainter;
class QRectF;

namespace tgx {

// How a bar looks, for the bars and for the legend that explains them.

// The colour of a kind of train, in the chart and in the line's graph.
QColor categoryColour(TrainCategory category);

// The colours of one category's bars, worked out once per painting.
struct BarColours {
    explicit BarColours(TrainCategory category);
    QColor fill;
    QColor border;
    QColor estimated; // under the hatching
    QBrush hatching;
};

// Fills rect as estimated minutes: a lighter fill crossed by diagonal lines.
void paintEstimated(QPainter &painter, const QRectF &rect, const BarColours &colours);

// The outline of a bar: red for a train in a collision, dashed red for one
// only in possible collisions, else the category's border (black when selected).
enum class Outline { Plain, Selected, Collision, PossibleCollision };
void paintOutline(QPainter &painter, const QRectF &rect, const BarColours &colours, Outline outline);

} // namespace tgx
