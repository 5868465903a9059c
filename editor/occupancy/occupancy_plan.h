#pragma once

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

// A train of the timetable as the chart draws it and the findings name it.
struct PlannedTrain {
    int line = 0;          // document line (from 1)
    int number = 0;        // train number
    int typeIndex = -1;    // index in trainTypes(), -1 for a code outside the table
    QChar typeCode[2];     // the stored type code, shown when it is outside the table
    TrainCategory category = TrainCategory::Other;
    bool inConflict = false; // shares a minute of its track with another train
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
};

// One row of the chart: a track and the stretches on it, sorted by first.
struct TrackRow {
    QChar track;
    QList<OccupancyBar> bars;
};

// What the timetable checks find, in the order a line reports them.
enum class FindingKind : quint8 {
    Collision,              // two trains on one track at once ("kolize" / "možná kolize")
    UnknownTrack,           // a track the simulator's station does not have
    DuplicateNumber,        // a train number an earlier line already has
    DepartureBeforeArrival, // the departure lies before the arrival
    Overtaking,             // a train overtakes another between two stations
    Unreadable,             // a record line that cannot be decoded
};

// One finding, tied to one document line. Its text is worded only when
// shown, so that a document full of faults costs little memory.
struct Finding {
    int line = 0; // document line (from 1)
    FindingKind kind = FindingKind::Unreadable;
};

// Everything the chart and the checks show for a document: the rows in chart
// order (the simulator's tracks in the order of its track list, then every
// other track character records use), the trains, and the findings sorted by
// line and, within a line, by kind.
struct OccupancyPlan {
    QList<TrackRow> rows;
    QList<PlannedTrain> trains;
    QList<Finding> findings;
};

// The finding as the checks word it, without its line number.
QString findingText(const OccupancyPlan &plan, const Finding &finding);

} // namespace tgx
