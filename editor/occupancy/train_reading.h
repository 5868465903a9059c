#pragma once

#include "occupancy/occupancy_plan.h"

#include <variant>

namespace tgx {

class DecodedRecord;

// The train of a record on a document line, or why the record cannot take
// part in the plan: the first field at fault in position order. A record is
// readable when it holds positions 1 to 31, its train number is decimal, both
// neighbour codes are digits and every time of a present block is a time of
// day. The type code is not checked: one outside the table is shown as it
// stands.
std::variant<PlannedTrain, UnreadableRecord> readTrain(int line, const DecodedRecord &record);

} // namespace tgx
