#pragma once

#include "trains/record_fault.h"

#include <QChar>
#include <QList>
#include <QString>

namespace tgx {

// The kind of train a bar shows; the chart gives each its own colour.
enum class TrainCategory : quint8 {
    Passenger,  // "SC" to "Sv"
    Freight,    // "NEx" to "Vleč"
    Locomotive, // "Lv"
    Other,      // a type code outside the table
};

// One block of a train's record in minutes of the day (0 to 1439): the run
// from the neighbour it comes from to the own station, or from the own
// station to the neighbour it goes to.
struct PlannedRun {
    quint8 code = 0;       // neighbour code 1 to 9; 0 when the train starts or ends here
    qint16 departure = -1; // departure at the start of the run
    qint16 arrival = -1;   // arrival at its end
    bool present() const { return code != 0; }
};

// The minutes a train holds its track: `minutes` minutes from `first` on,
// running on through midnight. Originating and terminating trains hold their
// track for ten estimated minutes before the departure or after the arrival.
struct Occupancy {
    qint16 first = 0;
    qint16 minutes = 0;         // 0 for a train that neither arrives nor departs
    quint8 estimatedBefore = 0; // the first minutes that are estimated
    quint8 estimatedAfter = 0;  // the last minutes that are estimated
    bool holdsTrack() const { return minutes > 0; }
    int last() const { return first + minutes - 1; } // past 1439 through midnight
};

// A train of the timetable as the chart draws it and the findings name it.
struct PlannedTrain {
    int line = 0;          // document line (from 1)
    int number = 0;        // train number
    int typeIndex = -1;    // index in trainTypes(), -1 for a code outside the table
    QChar typeCode[2];     // the stored type code, shown when it is outside the table
    TrainCategory category = TrainCategory::Other;
    bool inConflict = false; // shares a minute of its track with another train
    // Every minute it shares is an estimated one of it or of the other train:
    // the chart outlines it as a possible collision only.
    bool possibleConflictOnly = false;
    QChar track;             // regular track
    Occupancy occupancy;
    PlannedRun arrival;   // from the neighbour to the own station
    PlannedRun departure; // from the own station to the neighbour
};

// "Os 4521": the type and number as the train list shows them.
QString trainLabel(const PlannedTrain &train);

// One stretch of a train on its track within the day: the closed range of
// minutes first..last (0 to 1439). A train running through midnight has two
// bars, one at each end of the day.
struct OccupancyBar {
    int train = 0;     // index in OccupancyPlan::trains
    int first = 0;     // first minute occupied
    int last = 0;      // last minute occupied, first <= last
    // The estimated minutes of the stretch, a closed range within first..last,
    // or none (estimatedFirst > estimatedLast): the ten minutes before the
    // departure of an originating train and after the arrival of a
    // terminating one.
    int estimatedFirst = 0;
    int estimatedLast = -1;
    // The lane of its row the stretch is drawn in, from 0: stretches that
    // share a minute lie in different lanes, so that each stays in sight.
    int lane = 0;
};

// One row of the chart: a track and the stretches on it, sorted by first,
// laid out in as many lanes as the most trains that hold it at one minute.
struct TrackRow {
    QChar track;
    QList<OccupancyBar> bars;
    int lanes = 1;
};

// What the timetable checks find, in the order a line reports them.
enum class FindingKind : quint8 {
    UnknownSimulator,       // header line 2 names no simulator, so tracks and overtaking go unchecked
    Collision,              // two trains on one track at once ("kolize" / "možná kolize")
    MoreCollisions,         // the collisions of a line beyond those it names
    UnknownTrack,           // a track the simulator's station does not have
    DuplicateNumber,        // a train number an earlier line already has
    DepartureBeforeArrival, // the departure lies before the arrival
    Overtaking,             // a train overtakes another between two stations
    MoreOvertakings,        // the overtakings of a line beyond those it names
    Unreadable,             // a record line that cannot be decoded
};

// What sets findings of one kind apart in their wording.
enum class FindingDetail : quint8 {
    None,
    PossibleCollision, // every shared minute is an estimated one
    OvertakingTo,      // on the line to the neighbour the trains leave for
    OvertakingFrom,    // on the line from the neighbour the trains come from
};

// One finding, tied to one document line. Its text is worded only when
// shown, so that a document full of faults costs little memory. The line's
// own train (or unreadable record) is found by its line.
struct Finding {
    int line = 0; // document line (from 1)
    FindingKind kind = FindingKind::Unreadable;
    FindingDetail detail = FindingDetail::None;
    // Index in OccupancyPlan::trains of the other train a finding names: the
    // other train of a collision, the overtaken train, the first train with
    // a duplicated number; -1 for none.
    int other = -1;
    int further = 0; // MoreCollisions, MoreOvertakings: how many pairs the line does not name
};

// A record line that cannot be read, and why.
struct UnreadableRecord {
    int line = 0;
    RecordFault fault;
};

// Everything the chart and the checks show for a document: the rows in chart
// order (the simulator's tracks in the order of its track list, then every
// other track character records use), the trains, and the findings sorted by
// line and, within a line, by kind and then by the other line they name.
struct OccupancyPlan {
    QList<TrackRow> rows;
    QList<PlannedTrain> trains;          // in line order
    QList<Finding> findings;
    QList<UnreadableRecord> unreadable;  // in line order
    int simulator = -1;                  // catalogue index of header line 2, -1 for none
    QString simulatorName;               // header line 2 as it stands
    QString specifiedNeighbour;          // header line 7, the name of one neighbour code

    // The train of a document line, or nullptr when the line holds none.
    const PlannedTrain *trainOnLine(int line) const;
};

// The findings about the train at index train of plan: those on its line and
// then those of other lines that name it, each group in the plan's order.
QList<Finding> findingsOfTrain(const OccupancyPlan &plan, int train);

// The finding as the checks word it, without its line number.
QString findingText(const OccupancyPlan &plan, const Finding &finding);

} // namespace tgx
