#include "occupancy/line_sections.h"

#include "occupancy/occupancy_interval.h"

#include <algorithm>

namespace tgx {

namespace {

// A train's legs: to the neighbour it leaves for, from the one it comes from.
std::array<std::pair<const PlannedRun *, bool>, 2> legsOf(const PlannedTrain &train)
{
    return {{{&train.departure, true}, {&train.arrival, false}}};
}

// The legs of every train on the checked sections, sorted by departure (a
// counting sort, as minutes are few), trains in line order within a minute.
std::vector<SectionLeg> legsByDeparture(const QList<PlannedTrain> &trains, const StationCodes &stations)
{
    const auto checked = [&](const PlannedRun &run) { return run.present() && stations[run.code]; };
    std::array<int, kMinutesPerDay + 1> start {};
    for (const PlannedTrain &train : trains) {
        for (const auto &[run, toNeighbour] : legsOf(train)) {
            if (checked(*run))
                ++start[run->departure + 1];
        }
    }
    for (int minute = 1; minute <= kMinutesPerDay; ++minute)
        start[minute] += start[minute - 1];
    std::vector<SectionLeg> legs(start.back());
    for (qsizetype i = 0; i < trains.size(); ++i) {
        for (const auto &[run, toNeighbour] : legsOf(trains[i])) {
            if (checked(*run))
                legs[start[run->departure]++] = {int(i), run->departure, minutesBetween(run->departure, run->arrival),
                                                 LineSection{toNeighbour, run->code}.index()};
        }
    }
    return legs;
}

} // namespace

SectionLegs::SectionLegs(const QList<PlannedTrain> &trains, const StationCodes &stations)
{
    // The legs sorted by departure, then gathered by section in that order.
    const std::vector<SectionLeg> byDeparture = legsByDeparture(trains, stations);
    for (const SectionLeg &leg : byDeparture)
        ++m_start[leg.section + 1];
    for (int section = 1; section <= kLineSections; ++section)
        m_start[section] += m_start[section - 1];
    m_legs.resize(byDeparture.size());
    std::array<int, kLineSections + 1> next = m_start;
    for (const SectionLeg &leg : byDeparture)
        m_legs[next[leg.section]++] = leg;
}

std::span<const SectionLeg> SectionLegs::of(const LineSection &section) const
{
    const int first = m_start[section.index()];
    return std::span(m_legs).subspan(first, m_start[section.index() + 1] - first);
}

LegsOverTwoDays::LegsOverTwoDays(std::span<const SectionLeg> legs)
    : m_legs(legs)
    , m_firstEarlier(int(std::lower_bound(legs.begin(), legs.end(), kMinutesPerDay - kLongestLead,
                                          [](const SectionLeg &leg, int minute) { return leg.departure < minute; })
                         - legs.begin()))
    , m_earlier(int(legs.size()) - m_firstEarlier)
{
    m_departure.reserve(m_earlier + legs.size());
    m_arrival.reserve(m_earlier + legs.size());
    for (const int day : {-kMinutesPerDay, 0}) {
        for (const SectionLeg &leg : day < 0 ? legs.subspan(m_firstEarlier) : legs) {
            m_departure.push_back(day + leg.departure);
            m_arrival.push_back(day + leg.departure + leg.trip);
        }
    }
}

} // namespace tgx
