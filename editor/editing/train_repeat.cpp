#include "editing/train_repeat.h"

#include "trains/decoded_record.h"
#include "trains/record_shift.h"

namespace tgx {

namespace {

bool isTrainNumber(qint64 number)
{
    return number >= kLowestTrainNumber && number <= kHighestTrainNumber;
}

// The numbers of the copies change by the same step each time, so the first
// and the last are the extremes.
bool numbersInRange(int number, const RepeatSettings &settings)
{
    const qint64 first = qint64(number) + settings.numberStep;
    const qint64 last = qint64(number) + qint64(settings.count) * settings.numberStep;
    return isTrainNumber(first) && isTrainNumber(last);
}

// The record's time shift of copy k, reduced to within a day so that no
// product of large settings overflows.
int shiftOfCopy(int k, int interval)
{
    return int(qint64(k) * interval % kMinutesPerDay);
}

} // namespace

RepeatedTrains repeatTrain(QStringView record, const RepeatSettings &settings)
{
    const DecodedRecord decoded(record);
    requireShiftable(decoded);
    RepeatedTrains result;
    if (settings.count < 1)
        return result;
    const int number = decoded.number.value();
    if (!numbersInRange(number, settings)) {
        result.numberOutOfRange = true;
        return result;
    }
    result.copies.reserve(settings.count);
    for (int k = 1; k <= settings.count; ++k)
        result.copies << shiftedRecord(decoded, shiftOfCopy(k, settings.interval), number + k * settings.numberStep);
    return result;
}

} // namespace tgx
