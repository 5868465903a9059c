#pragma once

#include "occupancy/occupancy_plan.h"
#include "occupancy/time_grid.h"

#include <QFont>
#include <QList>
#include <QRectF>
#include <QSize>

namespace tgx {

// Where the parts of the chart lie, in pixels: the track column at the left,
// the hour labels along the top, a row for each track below them, and the
// legend under the rows, in as many lines of kLegendLineHeight as the
// chart's width needs. Neither the column, the labels nor the legend scroll.
namespace ChartLayout {
inline constexpr int kTrackColumnWidth = 56;
inline constexpr int kHeaderHeight = 22;
inline constexpr int kLegendLineHeight = 24;
inline constexpr int kBarInset = 4;  // room between the bars and the edges of their row
inline constexpr int kBarHeight = 18;
inline constexpr int kLaneGap = 2;   // room between two lanes of a row
inline constexpr int kRowHeight = 2 * kBarInset + kBarHeight; // a row of one lane

// The height of a row of lanes lanes.
constexpr int rowHeight(int lanes) { return kRowHeight + (lanes - 1) * (kBarHeight + kLaneGap); }
// The top of each row below the first row's, and then the bottom of the last.
QList<int> rowOffsets(const QList<TrackRow> &rows);
} // namespace ChartLayout

// What one painting of the chart covers: the size of the painted area, the
// grid that lays the day across it (its origin counts the track column in),
// how many pixels of rows are scrolled away above the first shown, the
// rows' offsets (ChartLayout::rowOffsets) and the height of the legend.
struct ChartFrame {
    QSize size;
    TimeGrid grid;
    int rowScroll = 0;
    QList<int> offsets {0};
    int legendHeight = ChartLayout::kLegendLineHeight;

    int rowCount() const { return int(offsets.size()) - 1; }
    // The top of row, in the frame's coordinates; rowCount() gives the bottom of the last row.
    int rowTop(int row) const { return ChartLayout::kHeaderHeight + offsets[row] - rowScroll; }
    int rowHeight(int row) const { return offsets[row + 1] - offsets[row]; }
    // The top of the legend: right below the rows, or at the bottom when they do not fit.
    int legendTop() const;
    // The row at y, or -1 above the first row (in the hour labels), below the last one and in the legend.
    int rowAt(int y) const;
    // The lane of row at y, the nearest when y lies between lanes.
    int laneAt(int row, int y, int lanes) const;
    // Where bar of row is drawn.
    QRectF barRect(int row, const OccupancyBar &bar) const;
    // Whether x lies right of the track column, where the day is drawn.
    bool inTimeArea(int x) const { return x >= ChartLayout::kTrackColumnWidth && x < size.width(); }
};

// The whole day at pixelsPerMinute, with all rows, the track column, the
// hour labels and the legend in font: what a saved picture shows.
ChartFrame wholeDayFrame(double pixelsPerMinute, const QList<int> &offsets, const QFont &font);

} // namespace tgx
