#include "occupancy/latest_on_track.h"

#include "trains/decoded_record.h"

#include <algorithm>

namespace tgx {

bool NearestTrains::offer(int train)
{
    if (m_count == kPartnerLimit && train <= m_trains[m_count - 1])
        return false;
    int *const end = m_trains.data() + m_count;
    int *const place = std::find_if(m_trains.data(), end, [train](int kept) { return kept <= train; });
    if (place != end && *place == train)
        return true;
    if (m_count < kPartnerLimit)
        ++m_count;
    std::copy_backward(place, m_trains.data() + m_count - 1, m_trains.data() + m_count);
    *place = train;
    return true;
}

namespace {

// For each minute of the day and the one after it, how many of the given
// minutes lie before it, each counted once.
std::vector<int> countsBelow(const std::vector<int> &minutes)
{
    std::vector<int> below(kMinutesPerDay + 1, 0);
    for (const int minute : minutes)
        below[minute + 1] = 1;
    for (int minute = 1; minute <= kMinutesPerDay; ++minute)
        below[minute] += below[minute - 1];
    return below;
}

int leavesFor(int count)
{
    int leaves = 1;
    while (leaves < count)
        leaves *= 2;
    return leaves;
}

} // namespace

LatestOnTrack::Tree::Tree(int nodes)
    : m_count(nodes, 0)
    , m_trains(new int[std::size_t(nodes) * kPartnerLimit])
{
}

void LatestOnTrack::Tree::add(int node, int train)
{
    int *const ring = &m_trains[std::size_t(node) * kPartnerLimit];
    int &count = m_count[node];
    // A train through midnight starts two stretches; a node counts it once.
    if (count > 0 && ring[(count - 1) % kPartnerLimit] == train)
        return;
    ring[count % kPartnerLimit] = train;
    ++count;
}

void LatestOnTrack::Tree::offer(int node, NearestTrains &nearest) const
{
    const int *const ring = &m_trains[std::size_t(node) * kPartnerLimit];
    const int count = m_count[node];
    for (int i = 1; i <= std::min(count, kPartnerLimit); ++i) {
        if (!nearest.offer(ring[(count - i) % kPartnerLimit]))
            return;
    }
}

LatestOnTrack::LatestOnTrack(const std::vector<int> &firsts)
    : m_below(countsBelow(firsts))
    , m_leaves(leavesFor(m_below.back()))
    , m_holding(2 * m_leaves)
    , m_starting(2 * m_leaves)
{
}

void LatestOnTrack::add(int train, const OccupancyBar &stretch)
{
    // The nodes that together cover the first minutes within the stretch.
    for (int low = leafOf(stretch.first), high = leafAfter(stretch.last); low < high; low /= 2, high /= 2) {
        if (low % 2 == 1)
            m_holding.add(low++, train);
        if (high % 2 == 1)
            m_holding.add(--high, train);
    }
    for (int node = leafOf(stretch.first); node >= 1; node /= 2)
        m_starting.add(node, train);
}

void LatestOnTrack::offerMeeting(const OccupancyBar &stretch, NearestTrains &nearest) const
{
    // A stretch meets this one when it holds its first minute, or when it
    // starts after that minute and not after its last.
    for (int node = leafOf(stretch.first); node >= 1; node /= 2)
        m_holding.offer(node, nearest);
    for (int low = leafAfter(stretch.first), high = leafAfter(stretch.last); low < high; low /= 2, high /= 2) {
        if (low % 2 == 1)
            m_starting.offer(low++, nearest);
        if (high % 2 == 1)
            m_starting.offer(--high, nearest);
    }
}

} // namespace tgx
