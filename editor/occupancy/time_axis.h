#pragma once

#include <QRect>

class QFontMetrics;
class QPainter;

namespace tgx {

class TimeGrid;

// The time axis views of the day share: the lines of the hours (and, where
// there is room, of minutes between them) and the times written above.
// The fewest minutes between two lines and between two written times are
// the view's: the chart stops at five and fifteen, the line's graph at one.
struct TimeAxis {
    const TimeGrid &grid;
    int finestLine = 5;
    int finestLabel = 15;

    // The lines across area, from its top to bottom (exclusive).
    void paintLines(QPainter &painter, const QRect &area, int bottom) const;
    // The times along header, as "06:30" when they fit, else as bare hours.
    void paintLabels(QPainter &painter, const QRect &header, const QFontMetrics &metrics) const;
};

} // namespace tgx
