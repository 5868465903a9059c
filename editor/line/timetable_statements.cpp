#include "line/timetable_statements.h"

#include "line/line_catalogue.h"
#include "occupancy/occupancy_plan.h"
#include "occupancy/train_reading.h"
#include "trains/decoded_record.h"
#include "trains/station_table.h"
#include "trains/summary_line.h"
#include "trains/train_types.h"

#include <algorithm>

namespace tgx {

namespace {

constexpr int kNumbers = 100000; // five digits

void state(StatedTrain &train, int minute, int station, StationEvent event)
{
    train.statements[train.count++] = {qint16(minute), quint8(station), event};
}

// A timetable's statements before its records: the stations they may name.
TimetableStatements statementsFor(int simulator, const QString &specifiedNeighbour)
{
    TimetableStatements statements;
    statements.simulator = simulator;
    statements.specifiedNeighbour = specifiedNeighbour;
    if (simulator >= 0)
        statements.stations = QStringList{ownStation(simulator)} + neighbourStations(simulator, specifiedNeighbour);
    return statements;
}

// The statements of a readable record, whose train the occupancy plan reads.
StatedTrain statedTrain(const PlannedTrain &planned, qsizetype stations)
{
    StatedTrain train;
    train.line = planned.line;
    train.number = planned.number;
    train.typeIndex = planned.typeIndex;
    train.typeCode[0] = planned.typeCode[0];
    train.typeCode[1] = planned.typeCode[1];
    train.fromCode = planned.arrival.code;
    train.toCode = planned.departure.code;
    if (planned.arrival.present() && planned.arrival.code < stations) {
        state(train, planned.arrival.departure, planned.arrival.code, StationEvent::Departure);
        state(train, planned.arrival.arrival, 0, StationEvent::Arrival);
    }
    if (planned.departure.present() && planned.departure.code < stations) {
        state(train, planned.departure.departure, 0, StationEvent::Departure);
        state(train, planned.departure.arrival, planned.departure.code, StationEvent::Arrival);
    }
    return train;
}

} // namespace

QString trainLabel(const StatedTrain &train)
{
    return shownType(train.typeIndex, QStringView(train.typeCode, 2)).toString() + u' ' + QString::number(train.number);
}

const TimetableStatements::NumberIndex &TimetableStatements::numbers() const
{
    NumberIndex &index = *m_numbers;
    if (index.made)
        return index;
    index.trainOf.assign(kNumbers, kNoTrain);
    const auto hold = [&](int number, qint32 train) {
        qint32 &held = index.trainOf[number];
        held = held == kNoTrain ? train : kSeveralLines;
    };
    for (qsizetype i = 0; i < trains.size(); ++i)
        hold(trains[i].number, qint32(i));
    for (const int number : unreadableNumbers)
        hold(number, kUnreadableLine);
    index.made = true;
    return index;
}

int TimetableStatements::trainWithNumber(int number) const
{
    return number >= 0 && number < kNumbers ? numbers().trainOf[number] : kNoTrain;
}

StatementsBuilder::StatementsBuilder(const TimetableContext &timetable, qsizetype expectedCount)
    : m_statements(statementsFor(timetable.simulator, timetable.specifiedNeighbour.toString()))
{
    m_statements.trains.reserve(expectedCount);
}

void StatementsBuilder::add(int line, const DecodedRecord &record)
{
    const auto read = readTrain(line, record);
    if (const auto *train = std::get_if<PlannedTrain>(&read))
        m_statements.trains.append(statedTrain(*train, m_statements.stations.size()));
    else if (record.number.isNumber())
        m_statements.unreadableNumbers.append(record.number.value());
}

TimetableStatements StatementsBuilder::finish()
{
    return std::move(m_statements);
}

TimetableStatements statementsOf(const OccupancyPlan &plan, const QStringList &documentLines)
{
    TimetableStatements statements = statementsFor(plan.simulator, plan.specifiedNeighbour);
    statements.trains.reserve(plan.trains.size());
    for (const PlannedTrain &train : plan.trains)
        statements.trains.append(statedTrain(train, statements.stations.size()));
    for (const UnreadableRecord &record : plan.unreadable) {
        const DecodedRecord decoded(documentLines.value(record.line - 1));
        if (decoded.number.isNumber())
            statements.unreadableNumbers.append(decoded.number.value());
    }
    return statements;
}

TimetableStatements statementsOf(const QStringList &documentLines)
{
    StatementsBuilder builder(timetableContextOf(documentLines), std::max<qsizetype>(documentLines.size() - 30, 0));
    forEachRecord(documentLines, [&](int line, const DecodedRecord &record) { builder.add(line, record); });
    return builder.finish();
}

} // namespace tgx
