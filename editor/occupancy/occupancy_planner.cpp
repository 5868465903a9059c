#include "occupancy/occupancy_planner.h"

#include "occupancy/pair_findings.h"
#include "occupancy/track_rows.h"
#include "occupancy/train_checks.h"
#include "occupancy/train_reading.h"

namespace tgx {

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

    FindingLists findings;
    findCollisions(m_plan.trains, findings);
    findTrainFaults(m_plan.trains, tracks, findings);
    findDuplicateNumbers(m_plan.trains, findings);
    findOvertakings(m_plan.trains, m_plan.simulator, findings);
    for (const UnreadableRecord &record : std::as_const(m_plan.unreadable))
        findings.add({record.line, FindingKind::Unreadable});
    m_plan.findings = findings.takeSorted();
    return std::move(m_plan);
}

} // namespace tgx
