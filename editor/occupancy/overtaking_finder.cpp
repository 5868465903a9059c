#include "occupancy/line_sections.h"
#include "occupancy/minute_counts.h"
#include "occupancy/pair_findings.h"
#include "trains/decoded_record.h"
#include "trains/station_table.h"

#include <algorithm>
#include <array>
#include <climits>
#include <optional>
#include <vector>

namespace tgx {

namespace {

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
    SectionSweep(std::span<const SectionLeg> legs, const QList<PlannedTrain> &trains, FindingDetail section,
                 std::vector<int> &overtaken, FindingLists &findings)
        : m_days(legs), m_trains(trains), m_section(section), m_overtaken(overtaken), m_findings(findings)
    {
    }

    void run();

private:
    void report(int overtaking, int first, int last);
    // How many legs of first..last arrive after minute, counted from the
    // window of legs, which is kept only once a train has more to name
    // than its line takes.
    int countAfter(int first, int last, int minute);

    LegsOverTwoDays m_days;
    const QList<PlannedTrain> &m_trains;
    FindingDetail m_section;
    std::vector<int> &m_overtaken; // trains each train overtakes so far, named or not
    FindingLists &m_findings;
    // The arrivals of the legs m_windowFirst..m_windowNext - 1, unrolled over the two days.
    std::optional<MinuteCounts> m_window;
    int m_windowFirst = 0;
    int m_windowNext = 0;
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
    const int arrival = m_days.arrivals()[overtaking];
    const int room = kPartnerLimit - std::min(m_overtaken[train], kPartnerLimit);
    int named = 0;
    for (int a = last; named < room; --a, ++named) {
        a = m_latest->lastAfter(first, a, arrival);
        if (a < 0)
            break;
        m_findings.add({m_trains[train].line, FindingKind::Overtaking, m_section, m_days.train(a)});
    }
    m_overtaken[train] += named < room ? named : countAfter(first, last, arrival);
}

int SectionSweep::countAfter(int first, int last, int minute)
{
    const std::vector<int> &arrival = m_days.arrivals();
    if (!m_window) {
        m_window.emplace(-kMinutesPerDay, 3 * kMinutesPerDay);
        m_windowFirst = m_windowNext = first;
    }
    // The window only moves on, as the sweep does.
    for (; m_windowNext <= last; ++m_windowNext)
        m_window->add(arrival[m_windowNext]);
    for (; m_windowFirst < first; ++m_windowFirst)
        m_window->add(arrival[m_windowFirst], -1);
    return m_window->above(minute);
}

// A finding for each train that overtakes more trains than its line names.
void addFurtherOvertakings(const QList<PlannedTrain> &trains, const std::vector<int> &overtaken,
                           FindingLists &findings)
{
    for (std::size_t train = 0; train < overtaken.size(); ++train) {
        if (overtaken[train] > kPartnerLimit)
            findings.add({trains[qsizetype(train)].line, FindingKind::MoreOvertakings, FindingDetail::None, -1,
                          overtaken[train] - kPartnerLimit});
    }
}

} // namespace

void findOvertakings(const QList<PlannedTrain> &trains, int simulator, FindingLists &findings)
{
    StationCodes stations {};
    for (int code = 1; code < kNeighbourCodes; ++code)
        stations[code] = neighbourShortName(simulator, code, {}).has_value();
    if (std::find(stations.begin(), stations.end(), true) == stations.end())
        return;
    const SectionLegs sections(trains, stations);
    std::vector<int> overtaken(trains.size(), 0);
    for (const bool toNeighbour : {true, false}) {
        const auto detail = toNeighbour ? FindingDetail::OvertakingTo : FindingDetail::OvertakingFrom;
        for (int code = 1; code < kNeighbourCodes; ++code) {
            const std::span<const SectionLeg> legs = sections.of({toNeighbour, code});
            if (legs.size() >= 2)
                SectionSweep(legs, trains, detail, overtaken, findings).run();
        }
    }
    addFurtherOvertakings(trains, overtaken, findings);
}

} // namespace tgx
