#include "trains/record_shift.h"

#include "document/failure.h"
#include "trains/decoded_record.h"
#include "trains/record_fault.h"

namespace tgx {

namespace {

const QString kCannotRepeat = QStringLiteral("Záznam vlaku nelze opakovat: %1.");

// Writes value into the field's positions, zero-filled to its width.
void writeDigits(QString &line, RecordField field, int value)
{
    for (int i = field.width - 1; i >= 0; --i) {
        line[field.position - 1 + i] = QChar(u'0' + value % 10);
        value /= 10;
    }
}

// Minutes of the day time moved by minutes, round the clock either way.
int shiftedTime(int time, int minutes)
{
    return ((time + minutes % kMinutesPerDay) % kMinutesPerDay + kMinutesPerDay) % kMinutesPerDay;
}

void writeTime(QString &line, RecordField hour, RecordField minute, int time)
{
    writeDigits(line, hour, time / 60);
    writeDigits(line, minute, time % 60);
}

void shiftRun(QString &line, const DecodedRun &run, const BlockFields &fields, int minutes)
{
    if (run.startsOrEndsHere())
        return;
    writeTime(line, fields.departureHour, fields.departureMinute, shiftedTime(*run.departureTime(), minutes));
    writeTime(line, fields.arrivalHour, fields.arrivalMinute, shiftedTime(*run.arrivalTime(), minutes));
}

} // namespace

void requireShiftable(const DecodedRecord &record)
{
    if (const auto fault = timetableFault(record))
        throw Failure(kCannotRepeat.arg(faultDescription(*fault)));
}

QString shiftedRecord(const DecodedRecord &record, int minutes, int number)
{
    Q_ASSERT(number >= kLowestTrainNumber && number <= kHighestTrainNumber);
    requireShiftable(record);
    QString line = record.line().toString();
    writeDigits(line, Field::Number, number);
    shiftRun(line, record.arrival, kArrivalBlock, minutes);
    shiftRun(line, record.departure, kDepartureBlock, minutes);
    return line;
}

} // namespace tgx
