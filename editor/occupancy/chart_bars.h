#pragma once

#include "occupancy/chart_bar_style.h"

#include <QFontMetrics>
#include <QRect>

#include <vector>

class QPainter;

namespace tgx {

class ChartContent;
struct ChartFrame;

// Paints the bars of the chart's rows, each in its lane, with the train's
// type and number: inside the bar when it fits, else beside it where the
// lane leaves room (right first, then left), else the number alone inside
// when that fits, else not at all.
class BarPainting {
public:
    // area: where the rows show, right of the track column; the painter is clipped to it.
    BarPainting(QPainter &painter, const ChartContent &content, const ChartFrame &frame,
                const QFontMetrics &metrics, const QRect &area);

    void paintRow(int row);
    // A bar of the dragged train where the drag puts it: drawn as selected,
    // without the findings of where it stood and without its label.
    void paintMoved(const OccupancyBar &bar, const QRectF &rect);

private:
    void paintBar(const OccupancyBar &bar, const QRectF &rect);
    void paintBody(const OccupancyBar &bar, const QRectF &rect, Outline outline);
    // Writes bar's label and returns how far right it takes up its lane.
    double paintLabel(const OccupancyBar &bar, const QRectF &rect, double takenUntil, double nextLeft);

    QPainter &m_p;
    const ChartContent &m_content;
    const ChartFrame &m_frame;
    const QFontMetrics &m_metrics;
    QRect m_area;
    BarColours m_colours[4]; // by TrainCategory
    int m_minLabelWidth;     // no room narrower than this is even asked for a label
};

} // namespace tgx
