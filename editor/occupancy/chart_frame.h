#pragma once

#include "occupancy/time_grid.h"

#include <QSize>

namespace tgx {

// Where the parts of the chart lie, in pixels: the track column at the left,
// the hour labels along the top, and a row for each track below them. Neither
// the column nor the labels scroll.
namespace ChartLayout {
inline constexpr int kTrackColumnWidth = 56;
inline constexpr int kHeaderHeight = 22;
inline constexpr int kRowHeight = 26;
inline constexpr int kBarInset = 4; // room between a bar and the edges of its row
} // namespace ChartLayout

// What one painting of the chart covers: the size of the painted area, the
// grid that lays the day across it (its origin counts the track column in),
// and how many pixels of rows are scrolled away above the first shown.
struct ChartFrame {
    QSize size;
    TimeGrid grid;
    int rowScroll = 0;

    // The top of row, in the frame's coordinates.
    int rowTop(int row) const { return ChartLayout::kHeaderHeight + row * ChartLayout::kRowHeight - rowScroll; }
    // The row at y, or -1 above the first row (in the hour labels) and below the last of rowCount.
    int rowAt(int y, int rowCount) const;
    // Whether x lies right of the track column, where the day is drawn.
    bool inTimeArea(int x) const { return x >= ChartLayout::kTrackColumnWidth && x < size.width(); }
};

// The whole day at pixelsPerMinute, with every one of rowCount rows, the
// track column and the hour labels: what a saved picture shows.
ChartFrame wholeDayFrame(double pixelsPerMinute, int rowCount);

} // namespace tgx
