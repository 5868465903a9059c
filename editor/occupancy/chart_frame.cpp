#include "occupancy/chart_frame.h"

#include "occupancy/chart_legend.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace tgx {

namespace {
constexpr int kLaneStep = ChartLayout::kBarHeight + ChartLayout::kLaneGap;
} // namespace

QList<int> ChartLayout::rowOffsets(const QList<TrackRow> &rows)
{
    QList<int> offsets {0};
    offsets.reserve(rows.size() + 1);
    for (const TrackRow &row : rows)
        offsets.append(offsets.last() + rowHeight(row.lanes));
    return offsets;
}

int ChartFrame::legendTop() const
{
    return std::min(rowTop(rowCount()), size.height() - legendHeight);
}

int ChartFrame::rowAt(int y) const
{
    if (y < ChartLayout::kHeaderHeight || y >= legendTop())
        return -1;
    const int offset = y - ChartLayout::kHeaderHeight + rowScroll;
    const auto after = std::upper_bound(offsets.cbegin(), offsets.cend(), offset);
    const int row = int(after - offsets.cbegin()) - 1;
    return row < rowCount() ? row : -1;
}

int ChartFrame::laneAt(int row, int y, int lanes) const
{
    const int within = y - rowTop(row) - ChartLayout::kBarInset + ChartLayout::kLaneGap / 2;
    return std::clamp(within / kLaneStep, 0, std::max(0, lanes - 1));
}

QRectF ChartFrame::barRect(int row, const OccupancyBar &bar) const
{
    const auto [left, right] = grid.barSpan(bar.first, bar.last);
    const double top = rowTop(row) + ChartLayout::kBarInset + bar.lane * kLaneStep;
    return QRectF(QPointF(left, top), QPointF(right, top + ChartLayout::kBarHeight));
}

ChartFrame wholeDayFrame(double pixelsPerMinute, const QList<int> &offsets, const QFont &font)
{
    const TimeGrid grid(ChartLayout::kTrackColumnWidth, pixelsPerMinute);
    // A rounding error in the day's width must not add a column.
    const int width = ChartLayout::kTrackColumnWidth + int(std::ceil(grid.dayWidth() - 1e-6));
    const int legend = legendHeight(width, QFontMetrics(font));
    const int height = ChartLayout::kHeaderHeight + offsets.last() + legend;
    return {QSize(width, height), grid, 0, offsets, legend};
}

} // namespace tgx
