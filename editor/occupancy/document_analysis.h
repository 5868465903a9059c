#pragma once

#include "line/timetable_statements.h"
#include "occupancy/occupancy_plan.h"
#include "trains/summary_line.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tgx {

// What the main window shows of a document after each change of its text:
// the train list, the occupancy plan and what the records state for the
// line's graph and the checks across timetables, from one decoding of its
// records.
struct DocumentAnalysis {
    TrainList list;                     // as decodeTrainList gives it
    std::optional<QString> listFailure; // why the list stopped early, as decodeTrainList fails
    OccupancyPlan plan;                 // of every record, including those after listFailure
    TimetableStatements statements;     // of every record, as statementsOf gives them
};

// Decodes each record line of a document once, for both the list and the plan.
DocumentAnalysis analyseDocument(const QStringList &documentLines);

// The occupancy plan of a document alone.
OccupancyPlan planDocument(const QStringList &documentLines);

// What the checks of a document need: its occupancy plan and its statements,
// from one decoding of its records.
struct DocumentChecks {
    OccupancyPlan plan;
    TimetableStatements statements;
};
DocumentChecks checkDocument(const QStringList &documentLines);

} // namespace tgx
