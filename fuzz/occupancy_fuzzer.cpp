// The occupancy plan of any document: the input's first byte chooses header
// line 2 (one of the simulators, none, or a name that selects none), every
// line after the first is a record line. The plan must hold its shape (bars
// that share a minute in different lanes among them), keep its findings in
// order and within their bounds, word every finding, and count the pairs a
// line does not name as comparing every pair does.

#include "fuzz_support.h"

#include "document/simulator_catalogue.h"
#include "occupancy/document_analysis.h"
#include "occupancy/occupancy_interval.h"
#include "trains/station_table.h"
#include "trains/summary_line.h"

#include <map>

using namespace tgx;
using fuzz::require;

namespace {

constexpr int kMinutesPerDay = 1440;
constexpr int kPartnerLimit = 10;

QStringList documentOf(const uint8_t *data, size_t size)
{
    QStringList document(30);
    const int choice = size > 0 ? data[0] % 8 : 6;
    const auto &catalogue = simulatorCatalogue();
    document[1] = choice < catalogue.size() ? catalogue[choice].name : choice == 6 ? QString() : QStringLiteral("Zelto");
    document[6] = QStringLiteral("Plavy");
    QStringList records = fuzz::inputLines(data + (size > 0 ? 1 : 0), size > 0 ? size - 1 : 0);
    return document + records;
}

// Bars that share a minute lie in different lanes, all within the row's lanes.
void checkLanes(const TrackRow &row)
{
    std::map<int, int> laneEnds; // lane: the last minute of its latest bar so far
    for (const OccupancyBar &bar : row.bars) {
        require(bar.lane >= 0 && bar.lane < row.lanes, "a bar outside its row's lanes");
        const auto end = laneEnds.find(bar.lane);
        require(end == laneEnds.end() || end->second < bar.first, "bars sharing a minute in one lane");
        laneEnds[bar.lane] = bar.last;
    }
}

void checkRows(const OccupancyPlan &plan)
{
    qsizetype bars = 0;
    for (const TrackRow &row : plan.rows) {
        checkLanes(row);
        for (qsizetype i = 0; i < row.bars.size(); ++i) {
            const OccupancyBar &bar = row.bars[i];
            require(bar.first >= 0 && bar.first <= bar.last && bar.last < kMinutesPerDay, "a bar outside the day");
            require(i == 0 || row.bars[i - 1].first <= bar.first, "a row's bars are not sorted");
            require(bar.estimatedFirst > bar.estimatedLast
                        || (bar.first <= bar.estimatedFirst && bar.estimatedLast <= bar.last),
                    "estimated minutes outside their bar");
            require(bar.train >= 0 && bar.train < plan.trains.size(), "a bar of no train");
            require(plan.trains[bar.train].track == row.track, "a bar in another track's row");
        }
        bars += row.bars.size();
    }
    qsizetype stretches = 0;
    for (const PlannedTrain &train : plan.trains) {
        const int minutes = train.occupancy.minutes;
        require(minutes >= 0 && minutes <= 721, "a train holds its track too long");
        stretches += minutes == 0 ? 0 : train.occupancy.first + minutes > kMinutesPerDay ? 2 : 1;
    }
    require(bars == stretches, "bars and the trains' stretches disagree");
}

// Whether train b overtakes train a on the run of each (to or from the same
// neighbour), as the timetable checks define it.
bool overtakes(const PlannedRun &b, const PlannedRun &a)
{
    const int lead = minutesBetween(a.departure, b.departure);
    return lead >= 1 && lead <= 719
           && lead + minutesBetween(b.departure, b.arrival) < minutesBetween(a.departure, a.arrival);
}

// For each line of a train, how many trains of earlier lines it collides
// with, and how many trains it overtakes, by comparing every pair.
std::map<std::pair<int, FindingKind>, int> pairsByComparing(const OccupancyPlan &plan)
{
    std::map<std::pair<int, FindingKind>, int> pairs;
    const auto checked = [&](const PlannedRun &run) {
        return run.present() && neighbourShortName(plan.simulator, run.code, {}).has_value();
    };
    for (const PlannedTrain &b : plan.trains) {
        for (const PlannedTrain &a : plan.trains) {
            if (a.line < b.line && a.track == b.track && a.inConflict && b.inConflict
                && sharedMinutes(a.occupancy, b.occupancy) != SharedMinutes::None)
                ++pairs[{b.line, FindingKind::Collision}];
            for (const auto run : {&PlannedTrain::departure, &PlannedTrain::arrival}) {
                if (checked(a.*run) && checked(b.*run) && (a.*run).code == (b.*run).code && overtakes(b.*run, a.*run))
                    ++pairs[{b.line, FindingKind::Overtaking}];
            }
        }
    }
    return pairs;
}

// A line names at most kPartnerLimit pairs of a kind; one finding more tells
// how many it leaves out.
void checkPairCounts(const OccupancyPlan &plan, const std::map<std::pair<int, FindingKind>, int> &perLine)
{
    if (plan.trains.size() > 2000)
        return; // comparing every pair would take too long
    const auto countOf = [](const std::map<std::pair<int, FindingKind>, int> &counts, int line, FindingKind kind) {
        const auto found = counts.find({line, kind});
        return found == counts.end() ? 0 : found->second;
    };
    const auto pairs = pairsByComparing(plan);
    for (const auto &counts : {pairs, perLine}) {
        for (const auto &[key, count] : counts) {
            const auto [line, kind] = key;
            if (kind == FindingKind::Collision || kind == FindingKind::Overtaking)
                require(countOf(perLine, line, kind) == std::min(countOf(pairs, line, kind), kPartnerLimit),
                        "a line names other pairs than it has");
        }
    }
    for (const Finding &finding : plan.findings) {
        const bool moreCollisions = finding.kind == FindingKind::MoreCollisions;
        if (!moreCollisions && finding.kind != FindingKind::MoreOvertakings)
            continue;
        const FindingKind kind = moreCollisions ? FindingKind::Collision : FindingKind::Overtaking;
        require(countOf(perLine, finding.line, kind) == kPartnerLimit && finding.further > 0
                    && countOf(pairs, finding.line, kind) == kPartnerLimit + finding.further,
                "a line counts the pairs it leaves out wrongly");
    }
    for (const auto &[key, count] : pairs) {
        const auto [line, kind] = key;
        const FindingKind more = kind == FindingKind::Collision ? FindingKind::MoreCollisions : FindingKind::MoreOvertakings;
        require(countOf(perLine, line, more) == (count > kPartnerLimit ? 1 : 0), "a line does not say it names only some");
    }
}

void checkFindings(const OccupancyPlan &plan)
{
    std::map<std::pair<int, FindingKind>, int> perLine;
    for (qsizetype i = 0; i < plan.findings.size(); ++i) {
        const Finding &finding = plan.findings[i];
        if (i > 0) {
            const Finding &before = plan.findings[i - 1];
            const auto key = [](const Finding &f) { return std::tuple(f.line, f.kind, f.other, f.detail); };
            require(key(before) < key(finding), "findings out of order or repeated");
        }
        require(!findingText(plan, finding).isEmpty(), "a finding without its text");
        const int count = ++perLine[{finding.line, finding.kind}];
        const bool pair = finding.kind == FindingKind::Collision || finding.kind == FindingKind::Overtaking;
        require(count <= (pair ? kPartnerLimit : 1), "a line reports too many findings of one kind");
        if (finding.kind == FindingKind::Collision) {
            const PlannedTrain &other = plan.trains[finding.other];
            require(other.line < finding.line, "a collision reported on the earlier line");
            require(other.inConflict && plan.trainOnLine(finding.line)->inConflict, "a collision not marked");
            require(other.track != u'0', "a collision on track 0");
        }
    }
    const bool records = !plan.trains.isEmpty() || !plan.unreadable.isEmpty();
    const bool unknownSimulator = !plan.findings.isEmpty() && plan.findings.front().kind == FindingKind::UnknownSimulator;
    require(unknownSimulator == (records && plan.simulator < 0), "an unknown simulator said wrongly");
    require(!unknownSimulator || plan.findings.front().line == 2, "an unknown simulator not on line 2");
    checkPairCounts(plan, perLine);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList document = documentOf(data, size);
    const DocumentAnalysis analysis = analyseDocument(document);
    const OccupancyPlan &plan = analysis.plan;

    qsizetype records = 0;
    for (qsizetype i = 30; i < document.size(); ++i)
        records += document[i].isEmpty() ? 0 : 1;
    require(plan.trains.size() + plan.unreadable.size() == records, "a record line neither planned nor unreadable");
    checkRows(plan);
    checkFindings(plan);

    TrainList list;
    std::optional<QString> failure;
    try {
        decodeTrainList(document, list);
    } catch (const Failure &f) {
        failure = f.description();
    }
    require(analysis.list.summaries() == list.summaries() && analysis.list.lines == list.lines,
            "the analysis lists other trains than the train list");
    // The window shows the list's failure as a Failure's description, which
    // ends at a NUL character like any C string: compare what it would show.
    const auto shown = analysis.listFailure ? std::optional(Failure(*analysis.listFailure).description()) : std::nullopt;
    require(shown == failure, "the analysis stops the list elsewhere");
    return 0;
}
