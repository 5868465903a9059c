// Loading a record into the train dialog for editing, on any line of text:
// the per-field reads the edit command makes, in its order (type, number,
// composition, arrival block, passage, track, departure block, note). Every
// read must give exactly the positions it names, nothing for a field the line
// does not wholly hold, and fail (with the conversion error only) exactly where
// a number field holds anything but digits; the edit command stops there.
// Every line of the input is one record.

#include "fuzz_support.h"

#include "trains/record_layout.h"
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
    std::optional<QStringView> text(RecordField field);
    bool number(RecordField field, std::optional<int> &value); // false when the read fails
    bool block(const BlockFields &block);
    void type();
    void passage();
    void note();

    QStringView record_;         // for the expectations
    fuzz::ExactText exact_{record_}; // what the reads get
};

std::optional<QStringView> CheckedLoad::text(RecordField field)
{
    const auto read = fieldText(exact_.view(), field);
    const auto expected = fuzz::positions(record_, field.position, field.width);
    require(read.has_value() == expected.has_value(), "a field is read beyond the line or missed on it");
    require(!read || *read == *expected, "a field reads other positions than its own");
    return read;
}

bool CheckedLoad::number(RecordField field, std::optional<int> &value)
{
    const auto expected = fuzz::positions(record_, field.position, field.width);
    const bool failed = fuzz::failsWithConversionError([&] { value = fieldNumber(exact_.view(), field); });
    require(failed == (expected && !fuzz::isDigits(*expected)), "a number field fails on digits or reads a non-digit");
    if (failed)
        return false;
    require(value == (expected ? std::optional<int>(expected->toInt()) : std::nullopt), "a number field reads a wrong value");
    return true;
}

// The neighbour code, then the four times unless the train starts or ends in
// the own station (code 0) or the code is not on the line.
bool CheckedLoad::block(const BlockFields &fields)
{
    std::optional<int> code;
    if (!number(fields.code, code))
        return false;
    if (!code || *code == kOwnStationCode)
        return true;
    std::optional<int> time;
    for (const RecordField &field : {fields.departureHour, fields.departureMinute, fields.arrivalHour, fields.arrivalMinute}) {
        if (!number(field, time))
            return false;
    }
    return true;
}

void CheckedLoad::type()
{
    const auto index = recordTypeIndex(exact_.view());
    const auto code = fuzz::positions(record_, 1, 2);
    const int value = code && fuzz::isDigits(*code) ? code->toInt() : -1;
    const bool known = value >= kFirstTypeCode && value < kFirstTypeCode + trainTypes().size();
    require(index == (known ? std::optional<int>(value - kFirstTypeCode) : std::nullopt), "a type code selects the wrong type");
    require(!index || typeCode(*index) == *code, "a type's code is not the code it was read from");
}

void CheckedLoad::passage()
{
    const auto code = text(Field::Passage);
    if (!code)
        return;
    const QChar c = code->front();
    require(passesNeighbour(c) == (c == u'3' || c == u'4'), "passing the neighbour read from the wrong codes");
    require(passesOwnStation(c) == (c == u'2' || c == u'4'), "passing the own station read from the wrong codes");
    if (c >= u'1' && c <= u'4')
        require(passageCode(passesNeighbour(c), passesOwnStation(c)) == c, "a passage code does not survive reading and writing");
}

void CheckedLoad::note()
{
    const QStringView expected = record_.size() > kBodyLength ? record_.sliced(kBodyLength) : QStringView();
    require(recordNote(exact_.view()) == expected, "the note is not everything after position 67");
}

void CheckedLoad::run()
{
    type();
    std::optional<int> number;
    if (!this->number(Field::Number, number))
        return;
    for (int i = 0; i < kVehicleCount; ++i)
        text(vehicleField(i));
    if (!block(kArrivalBlock))
        return;
    passage();
    text(Field::Track);
    if (!block(kDepartureBlock))
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
