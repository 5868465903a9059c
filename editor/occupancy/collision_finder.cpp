#include "occupancy/latest_on_track.h"
#include "occupancy/occupancy_interval.h"
#include "occupancy/pair_findings.h"

#include <algorithm>
#include <span>
#include <vector>

namespace tgx {

namespace {

// The trains in a conflict, grouped by track, in line order within a track.
std::vector<int> conflictsByTrack(const QList<PlannedTrain> &trains)
{
    std::vector<int> conflicted;
    for (qsizetype i = 0; i < trains.size(); ++i) {
        if (trains[i].inConflict)
            conflicted.push_back(int(i));
    }
    std::stable_sort(conflicted.begin(), conflicted.end(),
                     [&](int a, int b) { return trains[a].track < trains[b].track; });
    return conflicted;
}

Finding collision(const PlannedTrain &train, const PlannedTrain &earlier, int earlierIndex)
{
    const bool possible = sharedMinutes(train.occupancy, earlier.occupancy) == SharedMinutes::Estimated;
    return {train.line, FindingKind::Collision,
            possible ? FindingDetail::PossibleCollision : FindingDetail::None, earlierIndex};
}

// The first minutes of the trains' stretches.
std::vector<int> firstMinutes(const QList<PlannedTrain> &trains, std::span<const int> group)
{
    std::vector<int> firsts;
    for (const int index : group) {
        const DayStretches stretches = dayStretches(trains[index].occupancy, index);
        for (int i = 0; i < stretches.count; ++i)
            firsts.push_back(stretches.bars[i].first);
    }
    return firsts;
}

// The collisions among the trains of one track, given in line order.
void findOnTrack(const QList<PlannedTrain> &trains, std::span<const int> group, FindingLists &findings)
{
    LatestOnTrack latest(firstMinutes(trains, group));
    for (const int index : group) {
        const PlannedTrain &train = trains[index];
        const DayStretches stretches = dayStretches(train.occupancy, index);
        NearestTrains nearest;
        for (int i = 0; i < stretches.count; ++i)
            latest.offerMeeting(stretches.bars[i], nearest);
        for (auto earlier = nearest.end(); earlier != nearest.begin();) { // earliest line first
            --earlier;
            findings.add(collision(train, trains[*earlier], *earlier));
        }
        for (int i = 0; i < stretches.count; ++i)
            latest.add(index, stretches.bars[i]);
    }
}

} // namespace

void findCollisions(const QList<PlannedTrain> &trains, FindingLists &findings)
{
    const std::vector<int> conflicted = conflictsByTrack(trains);
    for (auto group = conflicted.begin(); group != conflicted.end();) {
        const QChar track = trains[*group].track;
        const auto groupEnd = std::find_if(group, conflicted.end(), [&](int i) { return trains[i].track != track; });
        findOnTrack(trains, std::span<const int>(group, groupEnd), findings);
        group = groupEnd;
    }
}

} // namespace tgx
