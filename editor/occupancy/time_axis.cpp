#include "occupancy/time_axis.h"

#include "occupancy/time_grid.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tgx {

namespace {

const QColor kMargin(232, 232, 232);
const QColor kMarginLine(170, 170, 170);
const QColor kHourLine(196, 196, 196);
const QColor kMinorLine(232, 232, 232);
const QColor kText(0, 0, 0);

constexpr int kLabelPadding = 3;
constexpr double kEdgeTolerance = 1e-9; // of a label step: rounding, not a scrolled-away mark
constexpr int kMinorSteps[] = {1, 2, 5, 10, 15, 30}; // minutes between the lines inside an hour
constexpr double kMinorSpacing = 12;                 // pixels the minor lines need at least
constexpr int kClockLabelSteps[] = {1, 2, 5, 10, 15, 30, 60}; // minutes between times written as "06:30"
constexpr int kHourLabelSteps[] = {1, 2, 3, 4, 6, 12};        // hours between bare hours

struct LabelStep {
    int minutes;
    bool clock; // written as "06:30", else as the bare hour
};

// How often the time is written: as "06:30" every so many minutes when that
// fits, else as the bare hour ("6") every one to twelve hours.
LabelStep labelStep(double ppm, int finestLabel, const QFontMetrics &metrics)
{
    const double clockWidth = metrics.horizontalAdvance(QStringLiteral("00:00")) + 2 * kLabelPadding;
    for (const int minutes : kClockLabelSteps) {
        if (minutes >= finestLabel && minutes * ppm >= clockWidth)
            return {minutes, true};
    }
    const double hourWidth = metrics.horizontalAdvance(QStringLiteral("24")) + 2 * kLabelPadding;
    const int *hours = std::find_if(std::begin(kHourLabelSteps), std::end(kHourLabelSteps) - 1,
                                    [&](int step) { return step * 60 * ppm >= hourWidth; });
    return {*hours * 60, false};
}

} // namespace

void TimeAxis::paintLines(QPainter &painter, const QRect &area, int bottom) const
{
    const double ppm = grid.pixelsPerMinute();
    const int *minor = std::find_if(std::begin(kMinorSteps), std::end(kMinorSteps),
                                    [&](int step) { return step >= finestLine && step * ppm >= kMinorSpacing; });
    const int step = minor != std::end(kMinorSteps) ? *minor : 60;
    const int first = std::max(0, int(std::floor(grid.minuteAt(area.left()) / step)) * step);
    const int last = std::min(kMinutesPerDay, int(std::ceil(grid.minuteAt(area.right()))));
    for (int minute = first; minute <= last; minute += step) {
        painter.setPen(minute % 60 == 0 ? kHourLine : kMinorLine);
        const int x = int(std::lround(grid.x(minute)));
        painter.drawLine(x, area.top(), x, bottom - 1);
    }
}

void TimeAxis::paintLabels(QPainter &painter, const QRect &header, const QFontMetrics &metrics) const
{
    painter.fillRect(header, kMargin);
    painter.setPen(kMarginLine);
    painter.drawLine(header.bottomLeft(), header.bottomRight());
    const LabelStep step = labelStep(grid.pixelsPerMinute(), finestLabel, metrics);
    const int baseline = header.top() + (header.height() + metrics.ascent() - metrics.descent()) / 2;
    // A time whose mark is scrolled away is not written, so no cut-off text
    // shows; one whose mark stands on the left edge is, whatever the rounding
    // of the minute there (a printed page begins at a whole hour).
    const double leftStep = grid.minuteAt(header.left()) / step.minutes;
    const int first = std::max(0, int(std::ceil(leftStep - kEdgeTolerance)) * step.minutes);
    painter.save();
    painter.setClipRect(header);
    for (int minute = first; minute < kMinutesPerDay && grid.x(minute) <= header.right(); minute += step.minutes) {
        const double x = grid.x(minute);
        painter.setPen(kMarginLine);
        painter.drawLine(QPointF(x, header.bottom() - 4), QPointF(x, header.bottom()));
        painter.setPen(kText);
        const QString text = step.clock ? clockText(minute) : QString::number(minute / 60);
        painter.drawText(QPointF(x + kLabelPadding, baseline), text);
    }
    painter.restore();
}

} // namespace tgx
