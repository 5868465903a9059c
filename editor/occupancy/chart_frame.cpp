#include "occupancy/chart_frame.h"

#include <cmath>

namespace tgx {

int ChartFrame::rowAt(int y, int rowCount) const
{
    if (y < ChartLayout::kHeaderHeight)
        return -1;
    const int row = (y - ChartLayout::kHeaderHeight + rowScroll) / ChartLayout::kRowHeight;
    return row < rowCount ? row : -1;
}

ChartFrame wholeDayFrame(double pixelsPerMinute, int rowCount)
{
    const TimeGrid grid(ChartLayout::kTrackColumnWidth, pixelsPerMinute);
    // A rounding error in the day's width must not add a column.
    const int width = ChartLayout::kTrackColumnWidth + int(std::ceil(grid.dayWidth() - 1e-6));
    const int height = ChartLayout::kHeaderHeight + rowCount * ChartLayout::kRowHeight;
    return {QSize(width, height), grid, 0};
}

} // namespace tgx
