#pragma once

#include "occupancy/occupancy_plan.h"

#include <array>
#include <span>
#include <vector>

namespace tgx {

// The line sections between the own station and its neighbours, and the legs
// trains run on them, as the overtaking check reads them.

inline constexpr int kNeighbourCodes = 10; // neighbour codes are one digit
// A train leaves before another when it leaves 1 to this many minutes earlier.
inline constexpr int kLongestLead = 719;

// A line section: the line to (or from) the neighbour of a code.
struct LineSection {
    bool toNeighbour;
    int code;
    int index() const { return (toNeighbour ? 0 : kNeighbourCodes) + code; } // sections to neighbours first
};
inline constexpr int kLineSections = 2 * kNeighbourCodes;

// One train's run on a line section: when it leaves one end and how long it
// takes to the other.
struct SectionLeg {
    int train;
    int departure; // minute of the day
    int trip;      // minutes, 0 to 1439
    int section;   // LineSection::index()
};

// Which neighbour codes the simulator's station table names: overtakings are
// checked on the sections to and from those only, as a finding names the station.
using StationCodes = std::array<bool, kNeighbourCodes>;

// The legs of every train on the checked line sections, by section and then
// by departure (counting sorts, as minutes and sections are few), trains in
// line order within a minute.
class SectionLegs {
public:
    SectionLegs(const QList<PlannedTrain> &trains, const StationCodes &stations);
    std::span<const SectionLeg> of(const LineSection &section) const;

private:
    std::vector<SectionLeg> m_legs;
    std::array<int, kLineSections + 1> m_start {}; // legs of a section start here
};

// The legs of one section sorted by departure, with the legs of the day
// before that left within 719 minutes of a departure of the day: the legs
// from index earlier() on are the day's, those before them the day before's,
// whose minutes count from the day's midnight (and are negative).
class LegsOverTwoDays {
public:
    explicit LegsOverTwoDays(std::span<const SectionLeg> legs);

    int size() const { return int(m_departure.size()); }
    int earlier() const { return m_earlier; }
    int train(int i) const { return m_legs[i < m_earlier ? m_firstEarlier + i : i - m_earlier].train; }
    const std::vector<int> &departures() const { return m_departure; } // rising
    const std::vector<int> &arrivals() const { return m_arrival; }

private:
    std::span<const SectionLeg> m_legs;
    int m_firstEarlier; // the first leg that also leaves the day before
    int m_earlier;
    std::vector<int> m_departure;
    std::vector<int> m_arrival;
};

} // namespace tgx
