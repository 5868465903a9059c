#pragma once

#include "line/timetable_statements.h"

#include <QList>
#include <QString>

namespace tgx {

// What the checks across timetables find, in the order a line reports them.
enum class CrossFindingKind : quint8 {
    OtherTime, // the other timetable states the same event at another minute
    Missing,   // the other timetable's own station lacks the event
};

// One finding of a timetable X (the subject) against another timetable Y of
// another simulator, tied to one of X's lines.
struct CrossFinding {
    int line = 0; // X's document line
    CrossFindingKind kind = CrossFindingKind::OtherTime;
    StationEvent event = StationEvent::Departure;
    quint8 station = 0;   // index in X's stations
    qint16 minute = 0;    // the minute X states
    qint16 otherMinute = 0; // the minute Y states (OtherTime)
    int train = 0;        // index in X's trains
    int other = 0;        // index of Y among the timetables
    int otherLine = 0;    // Y's line (OtherTime), 0 otherwise
    quint8 statement = 0; // the statement's place in X's record
};

// The checks across timetables: every statement of timetable X about a train and a
// station compared with every other timetable Y of another simulator.
// - Y states the same event (departure from, or arrival at, the same station)
//   of the same train at another minute.
// - The station is Y's own station and Y has no record of the train with
//   that event.
// A number that several lines of X or of Y hold takes no part, and neither
// does a line that cannot be read: a number only such a line of Y holds is
// not reported missing there. The findings are sorted by X's line, then kind
// (OtherTime first), then by Y's own station along the lines
// (ownStationOrder), Y's line, and the statement's place in X's record.
// A plain value: copies share their data.
class CrossTimetableFindings {
public:
    CrossTimetableFindings() = default;
    // The findings of timetables[subject] against all the others.
    CrossTimetableFindings(const QList<TimetableStatements> &timetables, int subject);
    // The same against the timetables at others only.
    CrossTimetableFindings(const QList<TimetableStatements> &timetables, int subject, const QList<int> &others);
    // The findings of both, of one subject against different others, in
    // order; a's and b's timetables differ at most in those only b was
    // checked against, and b's are kept.
    static CrossTimetableFindings joined(const CrossTimetableFindings &a, const CrossTimetableFindings &b);
    // The findings of a document against the timetables loaded beside it.
    static CrossTimetableFindings ofDocument(const TimetableStatements &document,
                                             const QList<TimetableStatements> &loaded);

    const QList<CrossFinding> &findings() const { return m_findings; }
    bool isEmpty() const { return m_findings.isEmpty(); }
    // The finding as the checks word it, without its line number:
    // "Os 4521: odjezd ze stanice Hutky 07:13, ale grafikon stanice Česká
    // Zálesí má 07:12 (řádek 35)", "Os 4521: v grafikonu stanice Hutky chybí
    // příjezd".
    QString text(const CrossFinding &finding) const;

private:
    QList<TimetableStatements> m_timetables;
    int m_subject = 0;
    QList<CrossFinding> m_findings;
};

} // namespace tgx
