#pragma once

#include "occupancy/time_grid.h"

#include <QSize>

namespace tgx {

// Where the parts of the line's graph lie, in pixels: the station names at
// the left, the times along the top, the rows below them with a margin above
// the first and below the last. Neither the names nor the times scroll.
namespace GraphLayout {
inline constexpr int kNameColumnWidth = 128;
inline constexpr int kHeaderHeight = 22;
inline constexpr int kMargin = 28; // room for the names of stations off the line
} // namespace GraphLayout

// What one painting of the graph covers: the size of the painted area, the
// grid that lays the day across it, how far the rows are stretched (the
// graph's own distances times yScale) and how many pixels are scrolled away
// above.
struct GraphFrame {
    QSize size;
    TimeGrid grid;
    double yScale = 1;
    int scroll = 0;

    // The y of a row at y in the graph's own distances.
    double y(double graphY) const
    {
        return GraphLayout::kHeaderHeight + GraphLayout::kMargin + graphY * yScale - scroll;
    }
    bool inTimeArea(int x) const { return x >= GraphLayout::kNameColumnWidth && x < size.width(); }
};

// The height below the times that a graph of height takes at yScale.
int graphContentHeight(double height, double yScale);
// How far a graph of height is stretched to fill rowsHeight pixels below the
// times: never shrunk, so that close stations stay apart.
double graphYScale(double height, int rowsHeight);
// The whole day at pixelsPerMinute with every row: what a saved picture shows.
GraphFrame wholeDayGraphFrame(double pixelsPerMinute, double height, double yScale);

} // namespace tgx
