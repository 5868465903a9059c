#pragma once

#include "occupancy/occupancy_plan.h"

#include <QList>

#include <optional>
#include <utility>

namespace tgx {

class TimeGrid;

// The plan the chart draws, with what painting and hit tests need on top of
// it: the selected train, and for every row the latest last minute among its
// bars so far, so that a search for the bars at some minute can start from a
// binary search instead of scanning back through the whole row.
class ChartContent {
public:
    // Takes a new plan in O(n); the selected line stays selected.
    void setPlan(OccupancyPlan plan);
    const OccupancyPlan &plan() const { return m_plan; }
    int rowCount() const { return int(m_plan.rows.size()); }

    void setSelectedLine(std::optional<int> line);
    std::optional<int> selectedLine() const { return m_selectedLine; }
    // The row and the first bar of the selected train, or nothing when no
    // train is selected or it holds no track.
    std::optional<std::pair<int, OccupancyBar>> selectedBar() const;
    // Whether bar is one of the selected train's bars.
    bool isSelected(const OccupancyBar &bar) const { return bar.train == m_selectedTrain; }

    // The bars of row that may show between the x left and right, as a range
    // [first, second) of indices into the row's bars, in drawing order.
    std::pair<qsizetype, qsizetype> barsBetween(int row, double left, double right, const TimeGrid &grid) const;
    // The bar drawn at x in row (where bars overlap, the one drawn on top),
    // or nullptr when there is none.
    const OccupancyBar *barAt(int row, double x, const TimeGrid &grid) const;

private:
    void findSelectedTrain();

    OccupancyPlan m_plan;
    QList<QList<int>> m_reach; // per row and bar: the latest last minute of that bar and those before it
    std::optional<int> m_selectedLine;
    int m_selectedTrain = -1; // index of the selected line's train in the plan, -1 for none
};

} // namespace tgx
