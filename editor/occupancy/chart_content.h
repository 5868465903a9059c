#pragma once

#include "occupancy/occupancy_plan.h"

#include <QList>

#include <optional>
#include <utility>

namespace tgx {

class TimeGrid;

// The plan the chart draws, with what painting and hit tests need on top of
// it: the selected trains, the rows' offsets, and for every row the latest last minute among its
// bars so far, so that a search for the bars at some minute can start from a
// binary search instead of scanning back through the whole row.
class ChartContent {
public:
    // Takes a new plan in O(n); the selected line stays selected.
    void setPlan(OccupancyPlan plan);
    const OccupancyPlan &plan() const { return m_plan; }
    int rowCount() const { return int(m_plan.rows.size()); }
    // The rows' offsets, as ChartLayout::rowOffsets gives them.
    const QList<int> &rowOffsets() const { return m_offsets; }

    // Selects the trains on lines: the first is the selected one, the
    // others are outlined with it (the other train of a finding).
    void setSelectedLines(const QList<int> &lines);
    std::optional<int> selectedLine() const;
    const QList<int> &selectedLines() const { return m_selectedLines; }
    // Whether bar is one of the selected trains' bars.
    bool isSelected(const OccupancyBar &bar) const { return m_selectedTrains.contains(bar.train); }
    // Where the selected trains are: a bar of each with its row, of a train
    // through midnight the longer of its two.
    QList<std::pair<int, OccupancyBar>> selectedBars() const;
    // The minutes the selected train is being dragged by (0: no drag); its
    // bars are drawn where the drag would put them.
    void setDragShift(int minutes) { m_dragShift = minutes; }
    int dragShift() const { return m_selectedTrains.isEmpty() ? 0 : m_dragShift; }

    // The bars of row that may show between the x left and right, as a range
    // [first, second) of indices into the row's bars, in drawing order.
    std::pair<qsizetype, qsizetype> barsBetween(int row, double left, double right, const TimeGrid &grid) const;
    // The bar drawn at x in lane of row (where bars overlap, the one drawn
    // on top), or nullptr when there is none.
    const OccupancyBar *barAt(int row, int lane, double x, const TimeGrid &grid) const;

private:
    void findSelectedTrains();

    OccupancyPlan m_plan;
    QList<QList<int>> m_reach; // per row and bar: the latest last minute of that bar and those before it
    QList<int> m_offsets {0};
    QList<int> m_selectedLines;
    QList<int> m_selectedTrains; // indices of the selected lines' trains in the plan
    int m_dragShift = 0;
};

} // namespace tgx
