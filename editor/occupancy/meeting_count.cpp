#include "occupancy/meeting_count.h"

#include "occupancy/occupancy_interval.h"

namespace tgx {

namespace {
constexpr int kLongestOccupancy = kLongestStay + 1;
}

MeetingCount::MeetingCount()
    : m_firsts(0, kMinutesPerDay)
    , m_lasts(0, kMinutesPerDay + kLongestOccupancy)
{
}

void MeetingCount::add(const Occupancy &occupancy)
{
    m_firsts.add(occupancy.first);
    m_lasts.add(occupancy.last());
    if (occupancy.minutes == kLongestOccupancy)
        ++m_longestFrom[occupancy.first];
}

int MeetingCount::meeting(const Occupancy &occupancy) const
{
    // A train meets this one on the same day, the day before or the day
    // after, unless it ends before the first minute or starts after the last.
    const int first = occupancy.first;
    const int last = occupancy.last();
    int count = 0;
    for (const int shift : {-kMinutesPerDay, 0, kMinutesPerDay})
        count += m_firsts.total() - m_lasts.below(first - shift) - m_firsts.above(last - shift);
    // Only two half-day stays, each starting where the other ends, meet on two days.
    if (occupancy.minutes == kLongestOccupancy)
        count -= m_longestFrom[(first + kLongestStay) % kMinutesPerDay];
    return count;
}

} // namespace tgx
