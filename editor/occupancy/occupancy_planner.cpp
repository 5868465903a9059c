#include "occupancy/occupancy_planner.h"

#include "occupancy/pair_findings.h"
#include "occupancy/track_rows.h"
#include "occupancy/train_checks.h"
#include "occupancy/train_reading.h"

#include <algorithm>
#include <vector>

namespace tgx {

namespace {

bool reportedBefore(const Finding &a, const Finding &b)
{
    if (a.kind != b.kind)
        return a.kind < b.kind;
    return a.other < b.other; // trains are indexed in line order
}

// By line, by kind in the order of the enumeration, then by the other line.
// The findings of a document full of faults are many, but a line has few: a
// counting sort by line, then each line's own.
void sortFindings(QList<Finding> &findings)
{
    int lastLine = 0;
    for (const Finding &finding : std::as_const(findings))
        lastLine = std::max(lastLine, finding.line);
    std::vector<qsizetype> start(std::size_t(lastLine) + 2, 0);
    for (const Finding &finding : std::as_const(findings))
        ++start[finding.line + 1];
    for (std::size_t line = 1; line < start.size(); ++line)
        start[line] += start[line - 1];
    QList<Finding> sorted(findings.size());
    for (const Finding &finding : std::as_const(findings))
        sorted[start[finding.line]++] = finding;
    for (auto first = sorted.begin(); first != sorted.end();) {
        const auto last = std::find_if(first, sorted.end(), [&](const Finding &f) { return f.line != first->line; });
        std::sort(first, last, reportedBefore);
        first = last;
    }
    findings = std::move(sorted);
}

} // namespace

OccupancyPlanner::OccupancyPlanner(const TimetableContext &timetable, qsizetype expectedCount)
{
    m_plan.simulator = timetable.simulator;
    m_plan.specifiedNeighbour = timetable.specifiedNeighbour.toString();
    m_plan.trains.reserve(expectedCount);
}

void OccupancyPlanner::add(int line, const DecodedRecord &record)
{
    const auto read = readTrain(line, record);
    if (const auto *train = std::get_if<PlannedTrain>(&read))
        m_plan.trains.append(*train);
    else
        m_plan.unreadable.append(std::get<UnreadableRecord>(read));
}

OccupancyPlan OccupancyPlanner::finish()
{
    const StationTracks tracks(m_plan.simulator);
    m_plan.rows = trackRows(m_plan.trains, tracks);
    markConflicts(m_plan.rows, tracks, m_plan.trains);

    QList<Finding> &findings = m_plan.findings;
    findCollisions(m_plan.trains, findings);
    findTrainFaults(m_plan.trains, tracks, findings);
    findDuplicateNumbers(m_plan.trains, findings);
    findOvertakings(m_plan.trains, m_plan.simulator, findings);
    for (const UnreadableRecord &record : std::as_const(m_plan.unreadable))
        findings.append({record.line, FindingKind::Unreadable});
    sortFindings(findings);
    return std::move(m_plan);
}

} // namespace tgx
