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

QList<Finding> findingsOfTrain(const OccupancyPlan &plan, int train)
{
    const int line = plan.trains[train].line;
    const auto byLine = [](const Finding &finding, int l) { return finding.line < l; };
    const auto own = std::lower_bound(plan.findings.begin(), plan.findings.end(), line, byLine);
    QList<Finding> found;
    for (auto at = own; at != plan.findings.end() && at->line == line; ++at)
        found.append(*at);
    for (const Finding &finding : plan.findings) {
        if (finding.other == train && finding.line != line)
            found.append(finding);
    }
    return found;
}

} // namespace tgx
