#pragma once

#include "occupancy/minute_counts.h"
#include "occupancy/occupancy_plan.h"
#include "trains/decoded_record.h"

#include <array>

namespace tgx {

// How many of the trains added so far share a minute of their track with a
// train, through midnight too: the count of a line's collisions, of which it
// names only the nearest.
class MeetingCount {
public:
    MeetingCount();

    void add(const Occupancy &occupancy);
    int meeting(const Occupancy &occupancy) const;

private:
    MinuteCounts m_firsts;
    MinuteCounts m_lasts; // unrolled past midnight
    // Trains holding their track for the longest stay, by first minute: two
    // of them can meet at both ends, and must count once.
    std::array<int, kMinutesPerDay> m_longestFrom {};
};

} // namespace tgx
