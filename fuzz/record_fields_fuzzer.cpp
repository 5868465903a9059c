// The decoded record of any line of text, read field by field in the order
// the edit command loads it (type, number, composition, arrival block,
// passage, track, departure block, note). Every field must hold exactly the
// positions it names, nothing for a field the line does not wholly hold, and
// a number field must fail (with the conversion error only) exactly where it
// holds anything but digits; the edit command stops there. Times of day must
// be given exactly for hours 0-23 and minutes 0-59. Every line of the input is
// one record.

#include "fuzz_support.h"

#include "trains/decoded_record.h"
#include "trains/train_types.h"

using namespace tgx;
using fuzz::require;

namespace {

// The edit command's reads of one record, each checked against the record's
// positions as it is made.
class CheckedLoad {
public:
    explicit CheckedLoad(QStringView record) : record_(record) {}

    // The reads in the edit command's order, up to the first that fails.
    void run();

private:
    void text(const FieldValue &read, RecordField field);
    bool number(const FieldValue &read, RecordField field, std::optional<int> &value); // false when the read fails
    bool block(const DecodedRun &run, const BlockFields &block);
    void times(const DecodedRun &run, const BlockFields &block);
    void type();
    void passage();
    void note();

    QStringView record_;             // for the expectations
    fuzz::ExactText exact_{record_}; // what the decoding gets
    DecodedRecord decoded_{exact_.view()};
};

void CheckedLoad::text(const FieldValue &read, RecordField field)
{
    const auto expected = fuzz::positions(record_, field.position, field.width);
    require(read.onLine() == expected.has_value(), "a field is read beyond the line or missed on it");
    require(!expected || read.text() == *expected, "a field reads other positions than its own");
}

bool CheckedLoad::number(const FieldValue &read, RecordField field, std::optional<int> &value)
{
    text(read, field);
    const auto expected = fuzz::positions(record_, field.position, field.width);
    const bool failed = fuzz::failsWithConversionError([&] { value = read.number(); });
    require(failed == (expected && !fuzz::isDigits(*expected)), "a number field fails on digits or reads a non-digit");
    if (failed)
        return false;
    require(value == (expected ? std::optional<int>(expected->toInt()) : std::nullopt), "a number field reads a wrong value");
    return true;
}

// A time of day only from an hour 0-23 and a minute 0-59, both on the line.
void CheckedLoad::times(const DecodedRun &run, const BlockFields &fields)
{
    const auto expectedTime = [this](RecordField hourField, RecordField minuteField) -> std::optional<int> {
        const auto hour = fuzz::positions(record_, hourField.position, hourField.width);
        const auto minute = fuzz::positions(record_, minuteField.position, minuteField.width);
        if (!hour || !minute || !fuzz::isDigits(*hour) || !fuzz::isDigits(*minute))
            return std::nullopt;
        if (hour->toInt() > 23 || minute->toInt() > 59)
            return std::nullopt;
        return hour->toInt() * 60 + minute->toInt();
    };
    require(run.departureTime() == expectedTime(fields.departureHour, fields.departureMinute), "a departure time is wrong");
    require(run.arrivalTime() == expectedTime(fields.arrivalHour, fields.arrivalMinute), "an arrival time is wrong");
}

// The neighbour code, then the four times unless the train starts or ends in
// the own station (code 0) or the code is not on the line.
bool CheckedLoad::block(const DecodedRun &run, const BlockFields &fields)
{
    times(run, fields);
    std::optional<int> code;
    if (!number(run.code, fields.code, code))
        return false;
    require(run.startsOrEndsHere() == (code == kOwnStationCode), "starting or ending here read from a wrong code");
    if (!code || *code == kOwnStationCode)
        return true;
    std::optional<int> time;
    const std::pair<const FieldValue &, RecordField> timeFields[] = {
        {run.departureHour, fields.departureHour}, {run.departureMinute, fields.departureMinute},
        {run.arrivalHour, fields.arrivalHour}, {run.arrivalMinute, fields.arrivalMinute}};
    for (const auto &[read, field] : timeFields) {
        if (!number(read, field, time))
            return false;
    }
    return true;
}

void CheckedLoad::type()
{
    text(decoded_.type, Field::Type);
    const int index = decoded_.typeIndex();
    const auto code = fuzz::positions(record_, 1, 2);
    const int value = code && fuzz::isDigits(*code) ? code->toInt() : -1;
    const bool known = value >= kFirstTypeCode && value < kFirstTypeCode + trainTypes().size();
    require(index == (known ? value - kFirstTypeCode : -1), "a type code selects the wrong type");
    require(index < 0 || typeCode(index) == *code, "a type's code is not the code it was read from");
}

void CheckedLoad::passage()
{
    text(decoded_.passage, Field::Passage);
    const QChar c = decoded_.passage.character();
    require(decoded_.passesNeighbour() == (c == u'3' || c == u'4'), "passing the neighbour read from the wrong codes");
    require(decoded_.passesOwnStation() == (c == u'2' || c == u'4'), "passing the own station read from the wrong codes");
    if (!decoded_.passage.onLine())
        return;
    if (c >= u'1' && c <= u'4')
        require(passageCode(passesNeighbour(c), passesOwnStation(c)) == c, "a passage code does not survive reading and writing");
}

void CheckedLoad::note()
{
    const QStringView expected = record_.size() > kBodyLength ? record_.sliced(kBodyLength) : QStringView();
    require(decoded_.note() == expected, "the note is not everything after position 67");
    require(decoded_.holdsTimetable() == (record_.size() >= 31), "a record is taken as complete or short wrongly");
}

void CheckedLoad::run()
{
    type();
    std::optional<int> number;
    if (!this->number(decoded_.number, Field::Number, number))
        return;
    for (int i = 0; i < kVehicleCount; ++i)
        text(decoded_.vehicle(i), vehicleField(i));
    if (!block(decoded_.arrival, kArrivalBlock))
        return;
    passage();
    text(decoded_.track, Field::Track);
    if (!block(decoded_.departure, kDepartureBlock))
        return;
    note();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    for (const QString &record : fuzz::inputLines(data, size))
        CheckedLoad(record).run();
    return 0;
}
