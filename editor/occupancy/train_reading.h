#pragma once

#include "occupancy/occupancy_plan.h"

#include <variant>

namespace tgx {

class DecodedRecord;

// The train of a record on a document line, or why the record cannot take
// part in the plan: the fault timetableFault finds in it.
std::variant<PlannedTrain, UnreadableRecord> readTrain(int line, const DecodedRecord &record);

// The kind of train of a type (index in trainTypes(), -1 for a code outside it).
TrainCategory categoryOf(int typeIndex);

} // namespace tgx
