#include "occupancy/occupancy_planner.h"

#include "document/header_lines.h"
#include "occupancy/pair_findings.h"
#include "occupancy/track_rows.h"
#include "occupancy/train_checks.h"
#include "occupancy/train_reading.h"

namespace tgx {

OccupancyPlanner::OccupancyPlanner(const TimetableContext &timetable, qsizetype expectedCount)
{
    m_plan.simulator = timetable.simulator;
    m_plan.simulatorName = timetable.simulatorName.toString();
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
    // Without a simulator of the catalogue the station's tracks and line
    // sections are unknown: the user learns that these checks were left out.
    const bool hasRecords = !m_plan.trains.isEmpty() || !m_plan.unreadable.isEmpty();
    if (m_plan.simulator < 0 && hasRecords)
        findings.add({HeaderLine::Simulator, FindingKind::UnknownSimulator});
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
