#include "occupancy/train_reading.h"

#include "occupancy/occupancy_interval.h"
#include "trains/decoded_record.h"
#include "trains/record_fault.h"

namespace tgx {

namespace {

constexpr int kFirstFreightType = 10; // "NEx"
constexpr int kLocomotiveType = 18;   // "Lv"

// The block of a readable record; absent for a train that starts or ends here.
PlannedRun runOf(const DecodedRun &block)
{
    if (block.startsOrEndsHere())
        return {};
    return {quint8(block.code.value()), qint16(*block.departureTime()), qint16(*block.arrivalTime())};
}

} // namespace

TrainCategory categoryOf(int typeIndex)
{
    if (typeIndex < 0)
        return TrainCategory::Other;
    if (typeIndex == kLocomotiveType)
        return TrainCategory::Locomotive;
    return typeIndex >= kFirstFreightType ? TrainCategory::Freight : TrainCategory::Passenger;
}

std::variant<PlannedTrain, UnreadableRecord> readTrain(int line, const DecodedRecord &record)
{
    if (const auto fault = timetableFault(record))
        return UnreadableRecord{line, *fault};
    PlannedTrain train;
    train.arrival = runOf(record.arrival);
    train.departure = runOf(record.departure);
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
