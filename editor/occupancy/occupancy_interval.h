#pragma once

#include "occupancy/occupancy_plan.h"
#include "trains/decoded_record.h"

#include <array>

namespace tgx {

// Minutes a terminating train is taken to stay on its track after its
// arrival, and an originating one before its departure.
inline constexpr int kEstimatedMinutes = 10;
// A stay longer than this means the departure lies before the arrival.
inline constexpr int kLongestStay = 720;

// Minutes from one time of day (0 to 1439) to another, 0 to 1439, through
// midnight.
constexpr int minutesBetween(int from, int to)
{
    const int minutes = to - from;
    return minutes < 0 ? minutes + kMinutesPerDay : minutes;
}

// The minutes a train with these blocks holds its track.
Occupancy occupancyOf(const PlannedRun &arrival, const PlannedRun &departure);

// Whether the train's departure from the own station lies before its arrival.
bool departsBeforeArrival(const PlannedTrain &train);

// How two occupancies meet.
enum class SharedMinutes {
    None,      // no minute in common
    Estimated, // every minute in common is an estimated one of at least one of them
    Real,      // a minute both trains certainly hold
};
SharedMinutes sharedMinutes(const Occupancy &a, const Occupancy &b);

// The stretches of an occupancy within the day, with their estimated minutes:
// one, or two for a train through midnight, or none.
struct DayStretches {
    std::array<OccupancyBar, 2> bars;
    int count = 0;
};
DayStretches dayStretches(const Occupancy &occupancy, int train);

} // namespace tgx
