#include "printing/sheet_rows.h"

#include "trains/decoded_record.h"
#include "trains/record_fault.h"
#include "trains/station_table.h"
#include "trains/summary_line.h"
#include "trains/timetable_context.h"
#include "trains/train_types.h"

#include <algorithm>

namespace tgx {

namespace {

enum class Direction { Departure, Arrival };

SheetRow rowOf(int line, const DecodedRecord &record, const DecodedRun &run, int minute,
               const TimetableContext &timetable)
{
    SheetRow row;
    row.minute = minute;
    row.train = trainName(record.typeIndex(), record.type.text(), record.number.value());
    if (const auto name = neighbourShortName(timetable.simulator, run.code.value(), timetable.specifiedNeighbour))
        row.station = name->toString();
    row.track = record.track.text().toString();
    row.passing = record.passesOwnStation();
    row.note = record.note().toString();
    row.line = line;
    return row;
}

QList<SheetRow> rowsOf(const QStringList &documentLines, Direction direction)
{
    const TimetableContext timetable = timetableContextOf(documentLines);
    QList<SheetRow> rows;
    forEachRecord(documentLines, [&](int line, const DecodedRecord &record) {
        if (timetableFault(record))
            return;
        const bool leaving = direction == Direction::Departure;
        const DecodedRun &run = leaving ? record.departure : record.arrival;
        if (run.startsOrEndsHere())
            return;
        // A readable record holds a time of day in every run it has.
        const int minute = leaving ? *run.departureTime() : *run.arrivalTime();
        rows.append(rowOf(line, record, run, minute, timetable));
    });
    std::stable_sort(rows.begin(), rows.end(),
                     [](const SheetRow &a, const SheetRow &b) { return a.minute < b.minute; });
    return rows;
}

} // namespace

QList<SheetRow> departureRows(const QStringList &documentLines)
{
    return rowsOf(documentLines, Direction::Departure);
}

QList<SheetRow> arrivalRows(const QStringList &documentLines)
{
    return rowsOf(documentLines, Direction::Arrival);
}

QStringList trainListLines(const QStringList &documentLines)
{
    // The list stops at a train number it cannot read; so does the sheet.
    TrainListBuilder builder(documentLines);
    forEachRecord(documentLines, [&](int line, const DecodedRecord &record) { builder.add(line, record); });
    return builder.take().summaries();
}

} // namespace tgx
