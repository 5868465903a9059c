#include "line/graph_rows.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

namespace tgx {

namespace {

// The shortest running time the trains give for each gap between two
// neighbouring rows (gap g lies between rows g and g + 1).
class GapTimes {
public:
    explicit GapTimes(qsizetype gaps) : m_direct(gaps, INT_MAX), m_shared(gaps, INT_MAX) {}

    // Runs between neighbouring rows first, then those over several rows,
    // which give their time to the gaps no direct run covers.
    void take(const QList<GraphTrain> &trains)
    {
        forEachRun(trains, [&](int first, int last, int minutes) {
            if (last == first + 1)
                m_direct[first] = std::min(m_direct[first], minutes);
        });
        forEachRun(trains, [&](int first, int last, int minutes) {
            if (last > first + 1)
                share(first, last, minutes);
        });
    }

    std::optional<int> minutes(int gap) const
    {
        const int found = m_direct[gap] != INT_MAX ? m_direct[gap] : m_shared[gap];
        return found != INT_MAX ? std::optional(found) : std::nullopt;
    }

private:
    template<typename Visit>
    static void forEachRun(const QList<GraphTrain> &trains, Visit visit)
    {
        for (const GraphTrain &train : trains) {
            for (qsizetype i = 1; i < train.points.size(); ++i) {
                const GraphPoint &from = train.points[i - 1];
                const GraphPoint &to = train.points[i];
                const int minutes = to.minute - from.minute;
                if (from.row != to.row && minutes > 0)
                    visit(std::min(from.row, to.row), std::max(from.row, to.row), minutes);
            }
        }
    }

    void share(int first, int last, int minutes)
    {
        int unknown = 0;
        for (int gap = first; gap < last; ++gap) {
            if (m_direct[gap] == INT_MAX)
                ++unknown;
            else
                minutes -= m_direct[gap];
        }
        if (unknown == 0 || minutes <= 0)
            return;
        for (int gap = first; gap < last; ++gap) {
            if (m_direct[gap] == INT_MAX)
                m_shared[gap] = std::min(m_shared[gap], std::max(1, minutes / unknown));
        }
    }

    std::vector<int> m_direct;
    std::vector<int> m_shared;
};

} // namespace

QList<GraphRow> graphRows(const QStringList &line, const QStringList &ownStations, int first, int last)
{
    QList<GraphRow> rows;
    for (int at = first; at <= last; ++at)
        rows.append({line[at], 0, ownStations.contains(line[at])});
    return rows;
}

void spaceRows(QList<GraphRow> &rows, const QList<GraphTrain> &trains)
{
    GapTimes times(std::max<qsizetype>(rows.size() - 1, 0));
    times.take(trains);
    for (int gap = 0; gap + 1 < rows.size(); ++gap) {
        const std::optional<int> minutes = times.minutes(gap);
        const double distance = minutes ? std::max(LineGraph::kMinimumGap, *minutes * LineGraph::kPixelsPerMinute)
                                        : LineGraph::kFixedGap;
        rows[gap + 1].y = rows[gap].y + distance;
    }
}

} // namespace tgx
