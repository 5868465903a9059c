#include "occupancy/chart_content.h"

#include "occupancy/time_grid.h"

#include <algorithm>

namespace tgx {

void ChartContent::setPlan(OccupancyPlan plan)
{
    m_plan = std::move(plan);
    m_reach.resize(m_plan.rows.size());
    for (qsizetype row = 0; row < m_plan.rows.size(); ++row) {
        const QList<OccupancyBar> &bars = m_plan.rows[row].bars;
        QList<int> &reach = m_reach[row];
        reach.resize(bars.size());
        int latest = -1;
        for (qsizetype i = 0; i < bars.size(); ++i)
            reach[i] = latest = std::max(latest, bars[i].last);
    }
    findSelectedTrain();
}

void ChartContent::setSelectedLine(std::optional<int> line)
{
    m_selectedLine = line;
    findSelectedTrain();
}

void ChartContent::findSelectedTrain()
{
    const PlannedTrain *train = m_selectedLine ? m_plan.trainOnLine(*m_selectedLine) : nullptr;
    m_selectedTrain = train ? int(train - m_plan.trains.constData()) : -1;
}

std::optional<std::pair<int, OccupancyBar>> ChartContent::selectedBar() const
{
    if (m_selectedTrain < 0)
        return std::nullopt;
    const QChar track = m_plan.trains[m_selectedTrain].track;
    for (int row = 0; row < rowCount(); ++row) {
        if (m_plan.rows[row].track != track)
            continue;
        for (const OccupancyBar &bar : m_plan.rows[row].bars) {
            if (bar.train == m_selectedTrain)
                return std::pair(row, bar);
        }
    }
    return std::nullopt;
}

std::pair<qsizetype, qsizetype> ChartContent::barsBetween(int row, double left, double right,
                                                          const TimeGrid &grid) const
{
    if (row < 0 || row >= m_plan.rows.size())
        return {0, 0};
    const auto [lastAtLeast, firstAtMost] = grid.barMinutesTouching(left, right);
    const QList<int> &reach = m_reach[row];
    const QList<OccupancyBar> &bars = m_plan.rows[row].bars;
    // Every bar before begin ends before the range; every bar from end on starts after it.
    const qsizetype begin = std::lower_bound(reach.cbegin(), reach.cend(), lastAtLeast) - reach.cbegin();
    const qsizetype end = std::upper_bound(bars.cbegin(), bars.cend(), firstAtMost,
                                           [](int minute, const OccupancyBar &bar) { return minute < bar.first; })
                          - bars.cbegin();
    return {begin, std::max(begin, end)};
}

const OccupancyBar *ChartContent::barAt(int row, double x, const TimeGrid &grid) const
{
    const auto [begin, end] = barsBetween(row, x, x, grid);
    if (begin == end)
        return nullptr;
    const QList<OccupancyBar> &bars = m_plan.rows[row].bars;
    for (qsizetype i = end; i-- > begin;) {
        const auto [left, right] = grid.barSpan(bars[i].first, bars[i].last);
        if (left <= x && x < right)
            return &bars[i];
    }
    return nullptr;
}

} // namespace tgx
