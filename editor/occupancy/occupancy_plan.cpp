#include "occupancy/occupancy_plan.h"

#include "trains/train_types.h"

#include <algorithm>

namespace tgx {

QString trainLabel(const PlannedTrain &train)
{
    return trainName(train.typeIndex, QStringView(train.typeCode, 2), train.number);
}

const PlannedTrain *OccupancyPlan::trainOnLine(int line) const
{
    const auto found = std::lower_bound(trains.begin(), trains.end(), line,
                                        [](const PlannedTrain &train, int l) { return train.line < l; });
    return found != trains.end() && found->line == line ? &*found : nullptr;
}

} // namespace tgx
