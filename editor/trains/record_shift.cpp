#include "trains/record_shift.h"

#include "document/failure.h"
#include "trains/decoded_record.h"

namespace tgx {

namespace {

const QString kTooShort = QStringLiteral("Záznam vlaku nelze opakovat: je kratší než %1 znaků.");
const QString kNotNumber = QStringLiteral("Záznam vlaku nelze opakovat: „%1“ na pozicích %2–%3 není číslo vlaku.");
const QString kNotTime = QStringLiteral("Záznam vlaku nelze opakovat: „%1“ na pozicích %2–%3 není čas.");

QString positionsFailure(const QString &text, const QString &what, RecordField first, RecordField last)
{
    return text.arg(what).arg(first.position).arg(last.position + last.width - 1);
}

void requireTime(std::optional<int> time, const FieldValue &hour, const FieldValue &minute,
                 RecordField hourField, RecordField minuteField)
{
    if (time)
        return;
    const QString written = hour.text().toString() + u':' + minute.text().toString();
    throw Failure(positionsFailure(kNotTime, written, hourField, minuteField));
}

void requireRun(const DecodedRun &run, const BlockFields &fields)
{
    if (run.startsOrEndsHere())
        return;
    requireTime(run.departureTime(), run.departureHour, run.departureMinute, fields.departureHour,
                fields.departureMinute);
    requireTime(run.arrivalTime(), run.arrivalHour, run.arrivalMinute, fields.arrivalHour, fields.arrivalMinute);
}

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
    if (!record.holdsTimetable())
        throw Failure(kTooShort.arg(DecodedRecord::kTimetableLength));
    if (!record.number.isNumber())
        throw Failure(positionsFailure(kNotNumber, record.number.text().toString(), Field::Number, Field::Number));
    requireRun(record.arrival, kArrivalBlock);
    requireRun(record.departure, kDepartureBlock);
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
