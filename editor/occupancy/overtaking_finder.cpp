#include "occupancy/occupancy_interval.h"
#include "occupancy/pair_findings.h"
#include "trains/station_table.h"

#include <algorithm>
#include <array>
#include <climits>
#include <optional>
#include <span>
#include <vector>

namespace tgx {

namespace {

constexpr int kCodes = 10; // neighbour codes are one digit
// A train leaves before another when it leaves 1 to this many minutes earlier.
constexpr int kLongestLead = 719;

// A line section: the line to (or from) the neighbour of a code.
struct Section {
    bool toNeighbour;
    int code;
    int index() const { return (toNeighbour ? 0 : kCodes) + code; } // sections to neighbours first
};
constexpr int kSections = 2 * kCodes;

// One train's run on a line section: when it leaves one end and how long it
// takes to the other.
struct Leg {
    int train;
    int departure; // minute of the day
    int trip;      // minutes, 0 to 1439
    int section;   // Section::index()
};

// The legs of one section sorted by departure, with the legs of the day
// before that left within 719 minutes of a departure of the day: the legs
// from index earlier() on are the day's, those before them the day before's,
// whose minutes count from the day's midnight (and are negative).
class TwoDays {
public:
    explicit TwoDays(std::span<const Leg> legs);

    int size() const { return int(m_departure.size()); }
    int earlier() const { return m_earlier; }
    int train(int i) const { return m_legs[i < m_earlier ? m_firstEarlier + i : i - m_earlier].train; }
    const std::vector<int> &departures() const { return m_departure; } // rising
    const std::vector<int> &arrivals() const { return m_arrival; }

private:
    std::span<const Leg> m_legs;
    int m_firstEarlier; // the first leg that also leaves the day before
    int m_earlier;
    std::vector<int> m_departure;
    std::vector<int> m_arrival;
};

TwoDays::TwoDays(std::span<const Leg> legs)
    : m_legs(legs)
    , m_firstEarlier(int(std::lower_bound(legs.begin(), legs.end(), kMinutesPerDay - kLongestLead,
                                          [](const Leg &leg, int minute) { return leg.departure < minute; })
                         - legs.begin()))
    , m_earlier(int(legs.size()) - m_firstEarlier)
{
    m_departure.reserve(m_earlier + legs.size());
    m_arrival.reserve(m_earlier + legs.size());
    for (const int day : {-kMinutesPerDay, 0}) {
        for (const Leg &leg : day < 0 ? legs.subspan(m_firstEarlier) : legs) {
            m_departure.push_back(day + leg.departure);
            m_arrival.push_back(day + leg.departure + leg.trip);
        }
    }
}

// The latest arrival over ranges of legs, to find the legs that arrive after
// a given minute without looking at the others.
class LatestArrivals {
public:
    explicit LatestArrivals(const std::vector<int> &arrival);
    // The last leg in first..last arriving after minute, or -1.
    int lastAfter(int first, int last, int minute) const;

private:
    // The last leg under node arriving after minute, which one does.
    int lastUnder(int node, int minute) const;

    int m_leaves = 1;
    std::vector<int> m_latest; // a binary tree in an array: node n has children 2n and 2n + 1
};

LatestArrivals::LatestArrivals(const std::vector<int> &arrival)
{
    while (m_leaves < int(arrival.size()))
        m_leaves *= 2;
    m_latest.assign(2 * m_leaves, INT_MIN);
    std::copy(arrival.begin(), arrival.end(), m_latest.begin() + m_leaves);
    for (int node = m_leaves - 1; node >= 1; --node)
        m_latest[node] = std::max(m_latest[2 * node], m_latest[2 * node + 1]);
}

int LatestArrivals::lastAfter(int first, int last, int minute) const
{
    // The nodes covering first..last come up from the leaves: those on the
    // right end from right to left, those on the left end from left to right.
    std::array<int, 64> leftNodes;
    int leftCount = 0;
    for (int left = first + m_leaves, right = last + m_leaves + 1; left < right; left /= 2, right /= 2) {
        if (left % 2 == 1)
            leftNodes[leftCount++] = left++;
        if (right % 2 == 1 && m_latest[--right] > minute)
            return lastUnder(right, minute);
    }
    while (leftCount > 0) {
        const int node = leftNodes[--leftCount];
        if (m_latest[node] > minute)
            return lastUnder(node, minute);
    }
    return -1;
}

int LatestArrivals::lastUnder(int node, int minute) const
{
    while (node < m_leaves)
        node = m_latest[2 * node + 1] > minute ? 2 * node + 1 : 2 * node;
    return node - m_leaves;
}

// The overtakings on one line section.
class SectionSweep {
public:
    SectionSweep(std::span<const Leg> legs, const QList<PlannedTrain> &trains, FindingDetail section,
                 std::vector<quint8> &named, FindingLists &findings)
        : m_days(legs), m_trains(trains), m_section(section), m_named(named), m_findings(findings)
    {
    }

    void run();

private:
    void report(int overtaking, int first, int last);

    TwoDays m_days;
    const QList<PlannedTrain> &m_trains;
    FindingDetail m_section;
    std::vector<quint8> &m_named; // overtaken trains each train names so far
    FindingLists &m_findings;
    std::optional<LatestArrivals> m_latest; // built once the section has an overtaking
};

void SectionSweep::run()
{
    // For each leg B of the day, the legs that left 1 to 719 minutes before
    // it form a window that only moves on. A queue of its legs with
    // falling arrivals tells at once whether any arrives after B, which is rare.
    const std::vector<int> &departure = m_days.departures();
    const std::vector<int> &arrival = m_days.arrivals();
    std::vector<int> queue;
    queue.reserve(departure.size());
    std::size_t head = 0;
    int first = 0;
    int next = 0;
    for (int b = m_days.earlier(); b < m_days.size(); ++b) {
        for (; departure[next] < departure[b]; ++next) {
            while (queue.size() > head && arrival[queue.back()] <= arrival[next])
                queue.pop_back();
            queue.push_back(next);
        }
        while (departure[first] < departure[b] - kLongestLead)
            ++first;
        while (head < queue.size() && queue[head] < first)
            ++head;
        if (head < queue.size() && arrival[queue[head]] > arrival[b])
            report(b, first, next - 1);
    }
}

void SectionSweep::report(int overtaking, int first, int last)
{
    if (!m_latest)
        m_latest.emplace(m_days.arrivals());
    const int train = m_days.train(overtaking);
    for (int a = last; m_named[train] < kPartnerLimit; --a) {
        a = m_latest->lastAfter(first, a, m_days.arrivals()[overtaking]);
        if (a < 0)
            return;
        m_findings.add({m_trains[train].line, FindingKind::Overtaking, m_section, m_days.train(a)});
        ++m_named[train];
    }
}

// Which neighbour codes the simulator's station table names: overtakings are
// checked on the sections to and from those only, as a finding names the station.
using StationCodes = std::array<bool, kCodes>;

// The legs of every train on the checked line sections, by section and then
// by departure (counting sorts, as minutes and sections are few), trains in
// line order within a minute.
class Sections {
public:
    Sections(const QList<PlannedTrain> &trains, const StationCodes &stations);
    std::span<const Leg> of(const Section &section) const;

private:
    std::vector<Leg> m_legs;
    std::array<int, kSections + 1> m_start {}; // legs of a section start here
};

Sections::Sections(const QList<PlannedTrain> &trains, const StationCodes &stations)
{
    // Each train's legs: to the neighbour it leaves for, from the one it comes from.
    const auto legsOf = [](const PlannedTrain &train) {
        return std::array<std::pair<const PlannedRun *, bool>, 2>{{{&train.departure, true}, {&train.arrival, false}}};
    };
    const auto checked = [&](const PlannedRun &run) { return run.present() && stations[run.code]; };
    std::array<int, kMinutesPerDay + 1> minuteStart {};
    for (const PlannedTrain &train : trains) {
        for (const auto &[run, toNeighbour] : legsOf(train)) {
            if (checked(*run)) {
                ++minuteStart[run->departure + 1];
                ++m_start[Section{toNeighbour, run->code}.index() + 1];
            }
        }
    }
    for (int minute = 1; minute <= kMinutesPerDay; ++minute)
        minuteStart[minute] += minuteStart[minute - 1];
    for (int section = 1; section <= kSections; ++section)
        m_start[section] += m_start[section - 1];
    std::vector<Leg> byMinute(m_start.back());
    for (qsizetype i = 0; i < trains.size(); ++i) {
        for (const auto &[run, toNeighbour] : legsOf(trains[i])) {
            if (checked(*run))
                byMinute[minuteStart[run->departure]++] = {int(i), run->departure,
                                                           minutesBetween(run->departure, run->arrival),
                                                           Section{toNeighbour, run->code}.index()};
        }
    }
    m_legs.resize(byMinute.size());
    std::array<int, kSections + 1> next = m_start;
    for (const Leg &leg : byMinute)
        m_legs[next[leg.section]++] = leg;
}

std::span<const Leg> Sections::of(const Section &section) const
{
    const int first = m_start[section.index()];
    return std::span(m_legs).subspan(first, m_start[section.index() + 1] - first);
}

} // namespace

void findOvertakings(const QList<PlannedTrain> &trains, int simulator, FindingLists &findings)
{
    StationCodes stations {};
    for (int code = 1; code < kCodes; ++code)
        stations[code] = neighbourShortName(simulator, code, {}).has_value();
    if (std::find(stations.begin(), stations.end(), true) == stations.end())
        return;
    const Sections sections(trains, stations);
    std::vector<quint8> named(trains.size(), 0);
    for (const bool toNeighbour : {true, false}) {
        const auto detail = toNeighbour ? FindingDetail::OvertakingTo : FindingDetail::OvertakingFrom;
        for (int code = 1; code < kCodes; ++code) {
            const std::span<const Leg> legs = sections.of({toNeighbour, code});
            if (legs.size() >= 2)
                SectionSweep(legs, trains, detail, named, findings).run();
        }
    }
}

} // namespace tgx
