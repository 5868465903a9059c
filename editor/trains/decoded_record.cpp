#include "trains/decoded_record.h"

#include "document/decimal.h"
#include "document/failure.h"
#include "trains/train_types.h"

#include <QString>

namespace tgx {

namespace {

std::optional<int> timeOfDay(const FieldValue &hour, const FieldValue &minute)
{
    if (!hour.isNumber() || !minute.isNumber() || hour.value() > 23 || minute.value() > 59)
        return std::nullopt;
    return hour.value() * 60 + minute.value();
}

DecodedRun decodeRun(QStringView line, const BlockFields &block)
{
    return {FieldValue(line, block.code), FieldValue(line, block.departureHour),
            FieldValue(line, block.departureMinute), FieldValue(line, block.arrivalHour),
            FieldValue(line, block.arrivalMinute)};
}

} // namespace

FieldValue::FieldValue(QStringView record, RecordField field)
{
    if (const auto text = fieldText(record, field)) {
        m_text = *text;
        m_value = readDecimal(*text).value_or(-1);
    }
}

std::optional<int> FieldValue::number() const
{
    if (!onLine())
        return std::nullopt;
    if (!isNumber())
        throw Failure(kConversionError);
    return m_value;
}

std::optional<int> DecodedRun::departureTime() const
{
    return timeOfDay(departureHour, departureMinute);
}

std::optional<int> DecodedRun::arrivalTime() const
{
    return timeOfDay(arrivalHour, arrivalMinute);
}

DecodedRecord::DecodedRecord(QStringView line)
    : type(line, Field::Type)
    , number(line, Field::Number)
    , arrival(decodeRun(line, kArrivalBlock))
    , track(line, Field::Track)
    , passage(line, Field::Passage)
    , departure(decodeRun(line, kDepartureBlock))
    , m_line(line)
{
}

int DecodedRecord::typeIndex() const
{
    // The field is two characters wide, so its value is that of a two-digit code.
    return type.isNumber() ? typeIndexOfCodeValue(type.value()) : -1;
}

bool DecodedRecord::passesNeighbour() const
{
    return tgx::passesNeighbour(passage.character());
}

bool DecodedRecord::passesOwnStation() const
{
    return tgx::passesOwnStation(passage.character());
}

FieldValue DecodedRecord::vehicle(int index) const
{
    return FieldValue(m_line, vehicleField(index));
}

QStringView DecodedRecord::note() const
{
    return recordNote(m_line);
}

QString clockText(int minutes)
{
    return QStringLiteral("%1:%2")
        .arg(minutes / 60, 2, 10, QChar(u'0'))
        .arg(minutes % 60, 2, 10, QChar(u'0'));
}

} // namespace tgx
