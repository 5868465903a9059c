#include "line/cross_findings.h"

#include "line/line_catalogue.h"
#include "trains/decoded_record.h"

#include <algorithm>
#include <iterator>
#include <numeric>
#include <tuple>
#include <vector>

namespace tgx {

namespace {

const QString kOtherDeparture = QStringLiteral("%1: odjezd ze stanice %2 %3, ale grafikon stanice %4 má %5 (řádek %6)");
const QString kOtherArrival = QStringLiteral("%1: příjezd do stanice %2 %3, ale grafikon stanice %4 má %5 (řádek %6)");
const QString kMissingDeparture = QStringLiteral("%1: v grafikonu stanice %2 chybí odjezd");
const QString kMissingArrival = QStringLiteral("%1: v grafikonu stanice %2 chybí příjezd");

// A finding with what orders it within X's line.
struct Ordered {
    CrossFinding finding;
    int ownStationOrder = 0; // of Y
    auto key() const
    {
        return std::tie(finding.line, finding.kind, ownStationOrder, finding.otherLine, finding.other,
                        finding.statement);
    }
    bool operator<(const Ordered &other) const { return key() < other.key(); }
};

// Compares one timetable X with one other timetable Y.
class PairCheck {
public:
    PairCheck(const TimetableStatements &x, const TimetableStatements &y, int other, std::vector<Ordered> &found)
        : m_x(x), m_y(y), m_other(other), m_order(ownStationOrder(y.stations.value(0))), m_found(found)
    {
        // X's station index to Y's, -1 where Y names no such station.
        for (const QString &station : x.stations)
            m_inY.push_back(int(y.stations.indexOf(station)));
    }

    void check(int trainIndex)
    {
        const StatedTrain &train = m_x.trains[trainIndex];
        const int held = m_y.trainWithNumber(train.number);
        if (held == TimetableStatements::kSeveralLines || held == TimetableStatements::kUnreadableLine)
            return;
        const StatedTrain *other = held >= 0 ? &m_y.trains[held] : nullptr;
        for (int i = 0; i < train.count; ++i)
            compare(trainIndex, i, other);
    }

private:
    void compare(int trainIndex, int index, const StatedTrain *other)
    {
        const StatedTrain &train = m_x.trains[trainIndex];
        const Statement &statement = train.statements[index];
        const int station = m_inY[statement.station];
        if (station < 0)
            return;
        CrossFinding finding{train.line, CrossFindingKind::Missing, statement.event, statement.station,
                             statement.minute, 0, trainIndex, m_other, 0, quint8(index)};
        const Statement *same = other ? sameEvent(*other, station, statement.event) : nullptr;
        if (same) {
            if (same->minute == statement.minute)
                return;
            finding.kind = CrossFindingKind::OtherTime;
            finding.otherMinute = same->minute;
            finding.otherLine = other->line;
        } else if (station != 0) {
            return; // only Y's own station must hold every event of its trains
        }
        m_found.push_back({finding, m_order});
    }

    static const Statement *sameEvent(const StatedTrain &train, int station, StationEvent event)
    {
        const auto found = std::find_if(train.begin(), train.end(), [&](const Statement &s) {
            return s.station == station && s.event == event;
        });
        return found != train.end() ? found : nullptr;
    }

    const TimetableStatements &m_x;
    const TimetableStatements &m_y;
    const int m_other;
    const int m_order;
    std::vector<Ordered> &m_found;
    std::vector<int> m_inY;
};

bool comparable(const TimetableStatements &x, const TimetableStatements &y)
{
    return x.simulator >= 0 && y.simulator >= 0 && x.simulator != y.simulator;
}

QList<int> allOf(const QList<TimetableStatements> &timetables)
{
    QList<int> all(timetables.size());
    std::iota(all.begin(), all.end(), 0);
    return all;
}

} // namespace

CrossTimetableFindings::CrossTimetableFindings(const QList<TimetableStatements> &timetables, int subject)
    : CrossTimetableFindings(timetables, subject, allOf(timetables))
{
}

CrossTimetableFindings::CrossTimetableFindings(const QList<TimetableStatements> &timetables, int subject,
                                               const QList<int> &others)
    : m_timetables(timetables)
    , m_subject(subject)
{
    const TimetableStatements &x = m_timetables[subject];
    std::vector<Ordered> found;
    for (const int other : others) {
        if (!comparable(x, m_timetables[other]))
            continue;
        PairCheck pair(x, m_timetables[other], other, found);
        for (int train = 0; train < x.trains.size(); ++train) {
            if (x.trainWithNumber(x.trains[train].number) == train)
                pair.check(train);
        }
    }
    std::sort(found.begin(), found.end());
    m_findings.reserve(qsizetype(found.size()));
    for (const Ordered &ordered : found)
        m_findings.append(ordered.finding);
}

CrossTimetableFindings CrossTimetableFindings::joined(const CrossTimetableFindings &a, const CrossTimetableFindings &b)
{
    CrossTimetableFindings both = b;
    if (a.isEmpty())
        return both;
    const auto ordered = [&](const CrossFinding &finding) {
        return Ordered{finding, ownStationOrder(b.m_timetables[finding.other].stations.value(0))};
    };
    both.m_findings.clear();
    both.m_findings.reserve(a.m_findings.size() + b.m_findings.size());
    std::merge(a.m_findings.cbegin(), a.m_findings.cend(), b.m_findings.cbegin(), b.m_findings.cend(),
               std::back_inserter(both.m_findings),
               [&](const CrossFinding &x, const CrossFinding &y) { return ordered(x) < ordered(y); });
    return both;
}

CrossTimetableFindings CrossTimetableFindings::ofDocument(const TimetableStatements &document,
                                                         const QList<TimetableStatements> &loaded)
{
    return CrossTimetableFindings(QList{document} + loaded, 0);
}

QString CrossTimetableFindings::text(const CrossFinding &finding) const
{
    const TimetableStatements &x = m_timetables[m_subject];
    const QString train = trainLabel(x.trains[finding.train]);
    const QString otherStation = m_timetables[finding.other].stations.value(0);
    const bool departure = finding.event == StationEvent::Departure;
    if (finding.kind == CrossFindingKind::Missing)
        return (departure ? kMissingDeparture : kMissingArrival).arg(train, otherStation);
    return (departure ? kOtherDeparture : kOtherArrival)
        .arg(train, x.stations.value(finding.station), clockText(finding.minute), otherStation,
             clockText(finding.otherMinute), QString::number(finding.otherLine));
}

} // namespace tgx
