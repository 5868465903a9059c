#pragma once

#include <QStringList>
#include <QStringView>

namespace tgx {

// What a timetable's header says about reading its records: the simulator
// (header line 2), whose station table names the neighbour codes, and the
// specified neighbour (header line 7). A view into the document's lines.
struct TimetableContext {
    int simulator = -1;             // catalogue index, -1 for a line 2 that names none
    QStringView specifiedNeighbour; // header line 7
    QStringView simulatorName;      // header line 2
};

TimetableContext timetableContextOf(const QStringList &documentLines);

} // namespace tgx
