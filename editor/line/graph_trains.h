#pragma once

#include "line/line_graph.h"

#include <QList>

#include <vector>

namespace tgx {

// The trains of a line's graph: each timetable's statements joined by train
// number and put in time order. rowOf[t][s] is the row of station s of
// timetables[t], or -1 for a station off the line.
QList<GraphTrain> graphTrains(const QList<TimetableStatements> &timetables,
                              const std::vector<std::vector<int>> &rowOf);

} // namespace tgx
