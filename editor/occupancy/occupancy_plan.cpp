#include "occupancy/occupancy_plan.h"

#include "trains/train_types.h"

namespace tgx {

QString trainLabel(const PlannedTrain &train)
{
    const QString type = train.typeIndex >= 0 ? trainTypes()[train.typeIndex] : QString(train.typeCode, 2);
    return type + u' ' + QString::number(train.number);
}

} // namespace tgx
