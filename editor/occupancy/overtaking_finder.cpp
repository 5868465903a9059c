#include "occupancy/occupancy_interval.h"
#include "occupancy/pair_findings.h"
#include "trains/station_table.h"

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

// One train's run on a line section: when it leaves one end and how long it
// takes to the other.
struct Leg {
    int train;
    int departure; // minute of the day
    int trip;      // minutes, 0 to 1439
};

// The legs of one section sorted by departure, over two days: leg i of the
// first day and, 1440 minutes later, the same leg as i + legs. Every leg that
// left within the 719 minutes before a departure of the second day is found
// there once.
struct TwoDays {
    explicit TwoDays(std::span<const Leg> legs);

    int legs = 0; // a day's
    std::vector<int> train;
    std::vector<int> departure; // minutes from the first midnight, rising
    std::vector<int> arrival;
};

TwoDays::TwoDays(std::span<const Leg> dayLegs)
    : legs(int(dayLegs.size()))
    , train(2 * dayLegs.size())
    , departure(2 * dayLegs.size())
    , arrival(2 * dayLegs.size())
{
    for (int i = 0; i < legs; ++i) {
        const Leg &leg = dayLegs[i];
        train[i] = train[i + legs] = leg.train;
        departure[i] = leg.departure;
        departure[i + legs] = leg.departure + kMinutesPerDay;
        arrival[i] = leg.departure + leg.trip;
        arrival[i + legs] = arrival[i] + kMinutesPerDay;
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
                 std::vector<quint8> &named, QList<Finding> &findings)
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
    QList<Finding> &m_findings;
    std::optional<LatestArrivals> m_latest; // built once the section has an overtaking
};

void SectionSweep::run()
{
    // For each leg B of the second day, the legs that left 1 to 719 minutes
    // before it form a window that only moves on. A queue of its legs with
    // falling arrivals tells at once whether any arrives after B, which is rare.
    const std::vector<int> &departure = m_days.departure;
    const std::vector<int> &arrival = m_days.arrival;
    std::vector<int> queue;
    queue.reserve(departure.size());
    std::size_t head = 0;
    int first = 0;
    int next = 0;
    for (int b = m_days.legs; b < 2 * m_days.legs; ++b) {
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
        m_latest.emplace(m_days.arrival);
    const int train = m_days.train[overtaking];
    for (int a = last; m_named[train] < kPartnerLimit; --a) {
        a = m_latest->lastAfter(first, a, m_days.arrival[overtaking]);
        if (a < 0)
            return;
        m_findings.append({m_trains[train].line, FindingKind::Overtaking, m_section, m_days.train[a]});
        ++m_named[train];
    }
}

// The legs of every train on the sections to (or from) the neighbours, by
// neighbour code and then by departure (counting sorts, as minutes and codes
// are few), trains in line order within a minute.
class Sections {
public:
    Sections(const QList<PlannedTrain> &trains, bool toNeighbour);
    std::span<const Leg> of(int code) const;

private:
    std::vector<Leg> m_legs;
    std::array<int, kCodes + 1> m_start {}; // legs of a code start here
};

Sections::Sections(const QList<PlannedTrain> &trains, bool toNeighbour)
{
    const auto runOf = [&](int train) -> const PlannedRun & {
        return toNeighbour ? trains[train].departure : trains[train].arrival;
    };
    std::vector<Leg> legs;
    legs.reserve(trains.size());
    std::vector<int> minuteStart(kMinutesPerDay + 1, 0);
    for (qsizetype i = 0; i < trains.size(); ++i) {
        const PlannedRun &run = runOf(int(i));
        if (run.present()) {
            legs.push_back({int(i), run.departure, minutesBetween(run.departure, run.arrival)});
            ++minuteStart[run.departure + 1];
            ++m_start[run.code + 1];
        }
    }
    for (int minute = 1; minute <= kMinutesPerDay; ++minute)
        minuteStart[minute] += minuteStart[minute - 1];
    for (int code = 1; code <= kCodes; ++code)
        m_start[code] += m_start[code - 1];
    std::vector<Leg> byMinute(legs.size());
    for (const Leg &leg : legs)
        byMinute[minuteStart[leg.departure]++] = leg;
    m_legs.resize(legs.size());
    std::array<int, kCodes + 1> next = m_start;
    for (const Leg &leg : byMinute)
        m_legs[next[runOf(leg.train).code]++] = leg;
}

std::span<const Leg> Sections::of(int code) const
{
    return std::span(m_legs).subspan(m_start[code], m_start[code + 1] - m_start[code]);
}

} // namespace

void findOvertakings(const QList<PlannedTrain> &trains, int simulator, QList<Finding> &findings)
{
    std::vector<quint8> named(trains.size(), 0);
    for (const bool toNeighbour : {true, false}) {
        const Sections sections(trains, toNeighbour);
        const auto section = toNeighbour ? FindingDetail::OvertakingTo : FindingDetail::OvertakingFrom;
        for (int code = 1; code < kCodes; ++code) {
            if (sections.of(code).size() >= 2 && neighbourShortName(simulator, code, {}))
                SectionSweep(sections.of(code), trains, section, named, findings).run();
        }
    }
}

} // namespace tgx
