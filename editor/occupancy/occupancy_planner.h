#pragma once

#include "occupancy/occupancy_plan.h"
#include "trains/timetable_context.h"

namespace tgx {

class DecodedRecord;

// Builds the occupancy plan of a document record by record: the trains on
// their tracks and what the timetable checks find.
class OccupancyPlanner {
public:
    explicit OccupancyPlanner(const TimetableContext &timetable, qsizetype expectedCount = 0);

    // Takes in the record of one non-empty record line; lines come in order.
    void add(int line, const DecodedRecord &record);
    // The plan of the records added: rows, bars, conflicts and findings.
    OccupancyPlan finish();

private:
    OccupancyPlan m_plan;
};

} // namespace tgx
