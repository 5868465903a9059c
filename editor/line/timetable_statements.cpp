#include "line/timetable_statements.h"

#include "line/line_catalogue.h"
#include "trains/decoded_record.h"
#include "trains/record_fault.h"
#include "trains/station_table.h"
#include "trains/summary_line.h"
#include "trains/train_types.h"

namespace tgx {

namespace {

constexpr int kNumbers = 100000; // five digits

void state(StatedTrain &train, int minute, int station, StationEvent event)
{
    train.statements[train.count++] = {qint16(minute), quint8(station), event};
}

} // namespace

QString trainLabel(const StatedTrain &train)
{
    return shownType(train.typeIndex, QStringView(train.typeCode, 2)).toString() + u' ' + QString::number(train.number);
}

int TimetableStatements::trainWithNumber(int number) const
{
    return number >= 0 && number < byNumber.size() ? byNumber[number] : kNoTrain;
}

StatementsBuilder::StatementsBuilder(const TimetableContext &timetable, qsizetype expectedCount)
{
    m_statements.simulator = timetable.simulator;
    m_statements.specifiedNeighbour = timetable.specifiedNeighbour.toString();
    if (timetable.simulator >= 0) {
        m_statements.stations = QStringList{ownStation(timetable.simulator)}
                                + neighbourStations(timetable.simulator, m_statements.specifiedNeighbour);
    }
    m_statements.trains.reserve(expectedCount);
}

void StatementsBuilder::add(int line, const DecodedRecord &record)
{
    if (timetableFault(record)) {
        // Its number may still be legible: then the timetable may run that train.
        if (record.number.isNumber())
            holdNumber(record.number.value(), TimetableStatements::kUnreadableLine);
        return;
    }
    StatedTrain train;
    train.line = line;
    train.number = record.number.value();
    train.typeIndex = record.typeIndex();
    train.typeCode[0] = record.type.text()[0];
    train.typeCode[1] = record.type.text()[1];
    train.fromCode = quint8(record.arrival.code.value());
    train.toCode = quint8(record.departure.code.value());
    const qsizetype stations = m_statements.stations.size();
    if (!record.arrival.startsOrEndsHere() && train.fromCode < stations) {
        state(train, *record.arrival.departureTime(), train.fromCode, StationEvent::Departure);
        state(train, *record.arrival.arrivalTime(), 0, StationEvent::Arrival);
    }
    if (!record.departure.startsOrEndsHere() && train.toCode < stations) {
        state(train, *record.departure.departureTime(), 0, StationEvent::Departure);
        state(train, *record.departure.arrivalTime(), train.toCode, StationEvent::Arrival);
    }
    holdNumber(train.number, qint32(m_statements.trains.size()));
    m_statements.trains.append(train);
}

void StatementsBuilder::holdNumber(int number, qint32 index)
{
    QList<qint32> &byNumber = m_statements.byNumber;
    if (byNumber.isEmpty())
        byNumber.fill(TimetableStatements::kNoTrain, kNumbers);
    qint32 &held = byNumber[number];
    held = held == TimetableStatements::kNoTrain ? index : TimetableStatements::kSeveralLines;
}

TimetableStatements StatementsBuilder::finish()
{
    return std::move(m_statements);
}

TimetableStatements statementsOf(const QStringList &documentLines)
{
    StatementsBuilder builder(timetableContextOf(documentLines));
    forEachRecord(documentLines, [&](int line, const DecodedRecord &record) { builder.add(line, record); });
    return builder.finish();
}

} // namespace tgx
