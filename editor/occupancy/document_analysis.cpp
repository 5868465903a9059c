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
    StatementsBuilder statements(timetable, recordLineCount(documentLines));
    forEachRecord(documentLines, [&](int line, const DecodedRecord &record) {
        list.add(line, record);
        planner.add(line, record);
        statements.add(line, record);
    });
    return {list.take(), list.failure(), planner.finish(), statements.finish()};
}

OccupancyPlan planDocument(const QStringList &documentLines)
{
    OccupancyPlanner planner(timetableContextOf(documentLines), recordLineCount(documentLines));
    forEachRecord(documentLines, [&](int line, const DecodedRecord &record) { planner.add(line, record); });
    return planner.finish();
}

DocumentChecks checkDocument(const QStringList &documentLines)
{
    const TimetableContext timetable = timetableContextOf(documentLines);
    OccupancyPlanner planner(timetable, recordLineCount(documentLines));
    StatementsBuilder statements(timetable, recordLineCount(documentLines));
    forEachRecord(documentLines, [&](int line, const DecodedRecord &record) {
        planner.add(line, record);
        statements.add(line, record);
    });
    return {planner.finish(), statements.finish()};
}

} // namespace tgx
