#include "occupancy/document_analysis.h"

#include "document/header_lines.h"
#include "occupancy/occupancy_planner.h"
#include "trains/decoded_record.h"

#include <algorithm>

namespace tgx {

namespace {

qsizetype recordLineCount(const QStringList &documentLines)
{
    return std::max<qsizetype>(documentLines.size() - (HeaderLine::FirstTrain - 1), 0);
}

} // namespace

DocumentAnalysis analyseDocument(const QStringList &documentLines)
{
    const TimetableContext timetable = timetableContextOf(documentLines);
    TrainListBuilder list(documentLines);
    OccupancyPlanner planner(timetable, recordLineCount(documentLines));
    forEachRecord(documentLines, [&](int line, const DecodedRecord &record) {
        list.add(line, record);
        planner.add(line, record);
    });
    OccupancyPlan plan = planner.finish();
    TimetableStatements statements = statementsOf(plan, documentLines);
    return {list.take(), list.failure(), std::move(plan), std::move(statements)};
}

OccupancyPlan planDocument(const QStringList &documentLines)
{
    OccupancyPlanner planner(timetableContextOf(documentLines), recordLineCount(documentLines));
    forEachRecord(documentLines, [&](int line, const DecodedRecord &record) { planner.add(line, record); });
    return planner.finish();
}

DocumentChecks checkDocument(const QStringList &documentLines)
{
    OccupancyPlan plan = planDocument(documentLines);
    TimetableStatements statements = statementsOf(plan, documentLines);
    return {std::move(plan), std::move(statements)};
}

} // namespace tgx
