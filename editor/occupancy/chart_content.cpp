#include "occupancy/chart_content.h"

#include "occupancy/chart_frame.h"
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
    m_offsets = ChartLayout::rowOffsets(m_plan.rows);
    findSelectedTrains();
}

void ChartContent::setSelectedLines(const QList<int> &lines)
{
    m_selectedLines = lines;
    findSelectedTrains();
}

std::optional<int> ChartContent::selectedLine() const
{
    return m_selectedLines.isEmpty() ? std::nullopt : std::optional<int>(m_selectedLines.first());
}

void ChartContent::findSelectedTrains()
{
    m_selectedTrains.clear();
    for (const int line : std::as_const(m_selectedLines)) {
        if (const PlannedTrain *train = m_plan.trainOnLine(line))
            m_selectedTrains.append(int(train - m_plan.trains.constData()));
    }
}

QList<std::pair<int, OccupancyBar>> ChartContent::selectedBars() const
{
    QList<std::pair<int, OccupancyBar>> found;
    if (m_selectedTrains.isEmpty())
        return found;
    const auto length = [](const OccupancyBar &bar) { return bar.last - bar.first; };
    for (int row = 0; row < rowCount(); ++row) {
        for (const OccupancyBar &bar : m_plan.rows[row].bars) {
            if (!isSelected(bar))
                continue;
            const auto same = std::find_if(found.begin(), found.end(),
                                           [&](const auto &kept) { return kept.second.train == bar.train; });
            if (same == found.end())
                found.append({row, bar});
            else if (length(bar) > length(same->second))
                *same = {row, bar};
        }
    }
    return found;
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

const OccupancyBar *ChartContent::barAt(int row, int lane, double x, const TimeGrid &grid) const
{
    const auto [begin, end] = barsBetween(row, x, x, grid);
    if (begin == end)
        return nullptr;
    const QList<OccupancyBar> &bars = m_plan.rows[row].bars;
    for (qsizetype i = end; i-- > begin;) {
        const auto [left, right] = grid.barSpan(bars[i].first, bars[i].last);
        if (bars[i].lane == lane && left <= x && x < right)
            return &bars[i];
    }
    return nullptr;
}

} // namespace tgx
