#include "trains/record_fault.h"

#include "trains/decoded_record.h"

#include <algorithm>

namespace tgx {

namespace {

using Kind = RecordFault::Kind;

const QString kTooShort = QStringLiteral("záznam má jen %1 %2");
const QString kCharacterOne = QStringLiteral("znak");
const QString kCharactersFew = QStringLiteral("znaky");  // 2 to 4
const QString kCharactersMany = QStringLiteral("znaků"); // 0 and from 5 on
const QString kNotNumber = QStringLiteral("„%1“ na pozicích %2–%3 není číslo vlaku");
const QString kNotCode = QStringLiteral("„%1“ na pozici %2 není kód sousední stanice");
const QString kNotTime = QStringLiteral("„%1:%2“ na pozicích %3–%4 není čas");

RecordFault faultAt(const DecodedRecord &record, Kind kind, int position, QStringView found)
{
    RecordFault fault{kind, int(record.line().size()), quint8(position), quint8(found.size()), {}};
    std::copy(found.begin(), found.end(), fault.found);
    return fault;
}

// A time that is not a time of day: its hour and minute positions together.
RecordFault timeFault(const DecodedRecord &record, const FieldValue &hour, const FieldValue &minute,
                      RecordField hourField)
{
    const QChar time[4] = {hour.text()[0], hour.text()[1], minute.text()[0], minute.text()[1]};
    return faultAt(record, Kind::Time, hourField.position, QStringView(time, 4));
}

std::optional<RecordFault> runFault(const DecodedRecord &record, const DecodedRun &run, const BlockFields &fields)
{
    if (!run.code.isNumber())
        return faultAt(record, Kind::NeighbourCode, fields.code.position, run.code.text());
    if (run.startsOrEndsHere())
        return std::nullopt;
    if (!run.departureTime())
        return timeFault(record, run.departureHour, run.departureMinute, fields.departureHour);
    if (!run.arrivalTime())
        return timeFault(record, run.arrivalHour, run.arrivalMinute, fields.arrivalHour);
    return std::nullopt;
}

QString characters(int count)
{
    if (count == 1)
        return kCharacterOne;
    return count >= 2 && count <= 4 ? kCharactersFew : kCharactersMany;
}

} // namespace

std::optional<RecordFault> timetableFault(const DecodedRecord &record)
{
    if (!record.holdsTimetable())
        return faultAt(record, Kind::TooShort, 1, {});
    if (!record.number.isNumber())
        return faultAt(record, Kind::Number, Field::Number.position, record.number.text());
    if (auto fault = runFault(record, record.arrival, kArrivalBlock))
        return fault;
    return runFault(record, record.departure, kDepartureBlock);
}

QString faultDescription(const RecordFault &fault)
{
    const QString found(fault.found, fault.width);
    const QString first = QString::number(fault.position);
    const QString last = QString::number(fault.position + fault.width - 1);
    switch (fault.kind) {
    case Kind::TooShort:
        return kTooShort.arg(QString::number(fault.length), characters(fault.length));
    case Kind::Number:
        return kNotNumber.arg(found, first, last);
    case Kind::NeighbourCode:
        return kNotCode.arg(found, first);
    case Kind::Time:
        return kNotTime.arg(found.first(2), found.sliced(2), first, last);
    }
    return {};
}

} // namespace tgx
