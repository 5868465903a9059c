#include "linegraph/graph_frame.h"

#include <algorithm>
#include <cmath>

namespace tgx {

int graphContentHeight(double height, double yScale)
{
    return int(std::ceil(height * yScale)) + 2 * GraphLayout::kMargin;
}

double graphYScale(double height, int rowsHeight)
{
    if (height <= 0)
        return 1;
    return std::max(1.0, (rowsHeight - 2 * GraphLayout::kMargin) / height);
}

GraphFrame wholeDayGraphFrame(double pixelsPerMinute, double height, double yScale)
{
    const TimeGrid grid(GraphLayout::kNameColumnWidth, pixelsPerMinute);
    // A rounding error in the day's width must not add a column.
    const int width = GraphLayout::kNameColumnWidth + int(std::ceil(grid.dayWidth() - 1e-6));
    return {QSize(width, GraphLayout::kHeaderHeight + graphContentHeight(height, yScale)), grid, yScale, 0};
}

} // namespace tgx
