#include "occupancy/train_reading.h"

#include "occupancy/occupancy_interval.h"
#include "trains/decoded_record.h"

#include <algorithm>
#include <optional>

namespace tgx {

namespace {

using Fault = UnreadableRecord::Fault;

constexpr int kFirstFreightType = 10; // "NEx"
constexpr int kLocomotiveType = 18;   // "Lv"

UnreadableRecord faultAt(int line, const DecodedRecord &record, Fault fault, int position, QStringView found)
{
    UnreadableRecord unreadable{line, int(record.line().size()), fault, quint8(position), quint8(found.size())};
    std::copy(found.begin(), found.end(), unreadable.found);
    return unreadable;
}

// A time that is not a time of day, shown as its hour and minute positions together.
UnreadableRecord timeFault(int line, const DecodedRecord &record, const FieldValue &hour, const FieldValue &minute,
                           const RecordField &hourField)
{
    QChar time[4];
    std::copy_n(hour.text().begin(), 2, time);
    std::copy_n(minute.text().begin(), 2, time + 2);
    return faultAt(line, record, Fault::Time, hourField.position, QStringView(time, 4));
}

// Reads a block into run, which stays absent for a train that starts or ends
// here; the first fault of the block, in position order.
std::optional<UnreadableRecord> readRun(int line, const DecodedRecord &record, const DecodedRun &block,
                                        const BlockFields &fields, PlannedRun &run)
{
    if (!block.code.isNumber())
        return faultAt(line, record, Fault::NeighbourCode, fields.code.position, block.code.text());
    if (block.startsOrEndsHere())
        return std::nullopt;
    const auto departure = block.departureTime();
    if (!departure)
        return timeFault(line, record, block.departureHour, block.departureMinute, fields.departureHour);
    const auto arrival = block.arrivalTime();
    if (!arrival)
        return timeFault(line, record, block.arrivalHour, block.arrivalMinute, fields.arrivalHour);
    run = {quint8(block.code.value()), qint16(*departure), qint16(*arrival)};
    return std::nullopt;
}

TrainCategory categoryOf(int typeIndex)
{
    if (typeIndex < 0)
        return TrainCategory::Other;
    if (typeIndex == kLocomotiveType)
        return TrainCategory::Locomotive;
    return typeIndex >= kFirstFreightType ? TrainCategory::Freight : TrainCategory::Passenger;
}

} // namespace

std::variant<PlannedTrain, UnreadableRecord> readTrain(int line, const DecodedRecord &record)
{
    if (!record.holdsTimetable())
        return faultAt(line, record, Fault::TooShort, 1, {});
    if (!record.number.isNumber())
        return faultAt(line, record, Fault::Number, Field::Number.position, record.number.text());
    PlannedTrain train;
    if (auto fault = readRun(line, record, record.arrival, kArrivalBlock, train.arrival))
        return *fault;
    if (auto fault = readRun(line, record, record.departure, kDepartureBlock, train.departure))
        return *fault;
    train.line = line;
    train.number = record.number.value();
    train.typeIndex = record.typeIndex();
    train.typeCode[0] = record.type.text()[0];
    train.typeCode[1] = record.type.text()[1];
    train.category = categoryOf(train.typeIndex);
    train.track = record.track.character();
    train.occupancy = occupancyOf(train.arrival, train.departure);
    return train;
}

} // namespace tgx
