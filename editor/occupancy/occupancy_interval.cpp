#include "occupancy/occupancy_interval.h"

#include <algorithm>

namespace tgx {

namespace {

// A closed range of minutes, unrolled past midnight (last may exceed 1439).
struct MinuteRange {
    int first;
    int last;
    MinuteRange shifted(int minutes) const { return {first + minutes, last + minutes}; }
    bool meets(const MinuteRange &other) const { return first <= other.last && other.first <= last; }
};

MinuteRange wholeRange(const Occupancy &occupancy)
{
    return {occupancy.first, occupancy.last()};
}

MinuteRange realRange(const Occupancy &occupancy)
{
    return {occupancy.first + occupancy.estimatedBefore, occupancy.last() - occupancy.estimatedAfter};
}

} // namespace

Occupancy occupancyOf(const PlannedRun &arrival, const PlannedRun &departure)
{
    constexpr qint16 kEstimatedStay = kEstimatedMinutes + 1;
    if (arrival.present() && departure.present()) {
        const int stay = minutesBetween(arrival.arrival, departure.departure);
        // A departure that seems to lie more than half a day after the arrival
        // really lies before it: the train is held to its arrival minute.
        return {arrival.arrival, qint16(stay > kLongestStay ? 1 : stay + 1), 0, 0};
    }
    if (departure.present())
        return {qint16(minutesBetween(kEstimatedMinutes, departure.departure)), kEstimatedStay, kEstimatedMinutes, 0};
    if (arrival.present())
        return {arrival.arrival, kEstimatedStay, 0, kEstimatedMinutes};
    return {};
}

bool departsBeforeArrival(const PlannedTrain &train)
{
    return train.arrival.present() && train.departure.present()
           && minutesBetween(train.arrival.arrival, train.departure.departure) > kLongestStay;
}

SharedMinutes sharedMinutes(const Occupancy &a, const Occupancy &b)
{
    if (!a.holdsTrack() || !b.holdsTrack())
        return SharedMinutes::None;
    // Both ranges start within the day and last at most half a day, so b
    // meets a on the same day, the day before or the day after.
    SharedMinutes shared = SharedMinutes::None;
    for (const int shift : {-kMinutesPerDay, 0, kMinutesPerDay}) {
        if (!wholeRange(a).meets(wholeRange(b).shifted(shift)))
            continue;
        // The real minutes lie within the whole ranges, so real minutes
        // that meet are shared minutes.
        if (realRange(a).meets(realRange(b).shifted(shift)))
            return SharedMinutes::Real;
        shared = SharedMinutes::Estimated;
    }
    return shared;
}

DayStretches dayStretches(const Occupancy &occupancy, int train)
{
    DayStretches stretches;
    if (!occupancy.holdsTrack())
        return stretches;
    const int first = occupancy.first;
    const int last = occupancy.last();
    // The estimated minutes, unrolled past midnight like first..last; none
    // when neither count is set.
    const int estimatedFirst = occupancy.estimatedBefore > 0 ? first : last + 1 - occupancy.estimatedAfter;
    const int estimatedLast = occupancy.estimatedBefore > 0 ? first + occupancy.estimatedBefore - 1 : last;
    const auto add = [&](int from, int to, int shift) {
        OccupancyBar bar{train, from + shift, to + shift, 0, -1};
        if (estimatedFirst <= to && from <= estimatedLast) {
            bar.estimatedFirst = std::max(estimatedFirst, from) + shift;
            bar.estimatedLast = std::min(estimatedLast, to) + shift;
        }
        stretches.bars[stretches.count++] = bar;
    };
    if (last < kMinutesPerDay) {
        add(first, last, 0);
    } else {
        add(first, kMinutesPerDay - 1, 0);
        add(kMinutesPerDay, last, -kMinutesPerDay);
    }
    return stretches;
}

} // namespace tgx
