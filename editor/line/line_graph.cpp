#include "line/line_graph.h"

#include "line/cross_findings.h"
#include "line/graph_trains.h"
#include "line/line_catalogue.h"

#include <algorithm>
#include <climits>
#include <optional>

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

// Where each timetable's stations stand on the line, by index in its list.
std::vector<std::vector<int>> placesOnLine(const QStringList &line, const QList<TimetableStatements> &timetables)
{
    std::vector<std::vector<int>> places;
    for (const TimetableStatements &timetable : timetables) {
        std::vector<int> &place = places.emplace_back();
        for (const QString &station : timetable.stations)
            place.push_back(int(line.indexOf(station)));
    }
    return places;
}

QList<GraphRow> rowsOf(const QStringList &line, const QList<TimetableStatements> &timetables, int first, int last)
{
    QList<GraphRow> rows;
    for (int at = first; at <= last; ++at) {
        const bool strong = std::any_of(timetables.begin(), timetables.end(), [&](const TimetableStatements &t) {
            return !t.stations.isEmpty() && t.stations.first() == line[at];
        });
        rows.append({line[at], 0, strong});
    }
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

// Marks the trains a point of which comes from a line with a finding.
void markFindings(QList<GraphTrain> &trains, const QList<TimetableStatements> &timetables)
{
    std::vector<std::vector<int>> lines(timetables.size()); // sorted lines with findings, per timetable
    for (int t = 0; t < timetables.size(); ++t) {
        for (const CrossFinding &finding : CrossTimetableFindings(timetables, t).findings())
            lines[t].push_back(finding.line);
    }
    for (GraphTrain &train : trains) {
        train.hasFinding = std::any_of(train.points.begin(), train.points.end(), [&](const GraphPoint &point) {
            return std::binary_search(lines[point.timetable].begin(), lines[point.timetable].end(), point.line);
        });
    }
}

} // namespace

LineGraph lineGraph(int line, const QList<TimetableStatements> &timetables)
{
    if (line < 0 || line >= railLines().size())
        return {};
    const QStringList &stations = railLines()[line].stations;
    std::vector<std::vector<int>> rowOf = placesOnLine(stations, timetables);
    int first = INT_MAX;
    int last = -1;
    for (const std::vector<int> &places : rowOf) {
        for (const int place : places) {
            if (place >= 0) {
                first = std::min(first, place);
                last = std::max(last, place);
            }
        }
    }
    if (last < 0)
        return {};
    for (std::vector<int> &places : rowOf) {
        for (int &place : places)
            place = place >= 0 ? place - first : -1;
    }
    LineGraph graph;
    graph.rows = rowsOf(stations, timetables, first, last);
    graph.trains = graphTrains(timetables, rowOf);
    spaceRows(graph.rows, graph.trains);
    markFindings(graph.trains, timetables);
    return graph;
}

} // namespace tgx
