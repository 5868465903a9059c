#include "occupancy/latest_on_track.h"
#include "occupancy/meeting_count.h"
#include "occupancy/occupancy_interval.h"
#include "occupancy/pair_findings.h"

#include <algorithm>
#include <optional>
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

// The collisions of a line beyond the kPartnerLimit it names: counted only
// for lines that name that many, from the trains of the track before it.
class FurtherCollisions {
public:
    FurtherCollisions(const QList<PlannedTrain> &trains, std::span<const int> group)
        : m_trains(trains), m_group(group)
    {
    }
    // The train at position in the group, which names `named` collisions.
    void find(std::size_t position, std::ptrdiff_t named, FindingLists &findings);

private:
    const QList<PlannedTrain> &m_trains;
    std::span<const int> m_group;
    std::optional<MeetingCount> m_before; // made when first needed
    std::size_t m_counted = 0;
};

void FurtherCollisions::find(std::size_t position, std::ptrdiff_t named, FindingLists &findings)
{
    if (named < kPartnerLimit)
        return;
    if (!m_before)
        m_before.emplace();
    for (; m_counted < position; ++m_counted)
        m_before->add(m_trains[m_group[m_counted]].occupancy);
    const PlannedTrain &train = m_trains[m_group[position]];
    const int further = m_before->meeting(train.occupancy) - kPartnerLimit;
    if (further > 0)
        findings.add({train.line, FindingKind::MoreCollisions, FindingDetail::None, -1, further});
}

// The collisions among the trains of one track, given in line order.
void findOnTrack(const QList<PlannedTrain> &trains, std::span<const int> group, FindingLists &findings)
{
    LatestOnTrack latest(firstMinutes(trains, group));
    FurtherCollisions further(trains, group);
    for (std::size_t position = 0; position < group.size(); ++position) {
        const int index = group[position];
        const PlannedTrain &train = trains[index];
        const DayStretches stretches = dayStretches(train.occupancy, index);
        NearestTrains nearest;
        for (int i = 0; i < stretches.count; ++i)
            latest.offerMeeting(stretches.bars[i], nearest);
        for (auto earlier = nearest.end(); earlier != nearest.begin();) { // earliest line first
            --earlier;
            findings.add(collision(train, trains[*earlier], *earlier));
        }
        further.find(position, nearest.end() - nearest.begin(), findings);
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
