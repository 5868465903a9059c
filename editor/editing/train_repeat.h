#pragma once

#include <QStringList>
#include <QStringView>

namespace tgx {

// How a train is repeated: the copies, the time between one and the next,
// and the change of the train number from one to the next. The values are
// those the repeat dialog starts with.
struct RepeatSettings {
    int count = 1;      // copies made
    int interval = 60;  // minutes
    int numberStep = 2; // may be negative
};

// The copies a repeat makes, or why it makes none.
struct RepeatedTrains {
    QStringList copies;            // copy 1 to count, in order
    bool numberOutOfRange = false; // a copy's number would leave 0 to 99999: no copies
};

// Copy k (1 to count) of a record is the record with every time of its runs
// moved by k × interval minutes, round the clock, and the train number changed
// by k × numberStep (see shiftedRecord). A record that cannot be moved in time
// fails with a Failure saying why (requireShiftable), before the numbers are
// looked at.
RepeatedTrains repeatTrain(QStringView record, const RepeatSettings &settings);

} // namespace tgx
