#pragma once

#include "trains/record_layout.h"

#include <QStringView>

#include <optional>

namespace tgx {

// One field of a record as its line holds it: its characters, when the line
// holds all of its positions, and their value when they are decimal digits.
class FieldValue {
public:
    FieldValue() = default; // a field the line does not reach
    FieldValue(QStringView record, RecordField field);

    bool onLine() const { return !m_text.isNull(); }
    bool isNumber() const { return m_value >= 0; } // on the line and digits only
    QStringView text() const { return m_text; }    // empty when not on the line
    QChar character() const { return onLine() ? m_text.front() : QChar(); } // of a one-character field

    // The decimal value, or nothing when the field is not on the line. Present
    // characters that are not digits fail with kConversionError.
    std::optional<int> number() const;
    // The value of a field known to be a number (isNumber()).
    int value() const { return m_value; }

private:
    QStringView m_text;
    int m_value = -1;
};

inline constexpr int kMinutesPerDay = 24 * 60;

// One block of a record: the run from the neighbour the train comes from to the
// own station (arrival block), or from the own station to the neighbour it
// goes to (departure block).
struct DecodedRun {
    FieldValue code; // neighbour code; "0" when the train starts or ends here
    FieldValue departureHour;
    FieldValue departureMinute;
    FieldValue arrivalHour;
    FieldValue arrivalMinute;

    // The train originates (arrival block) or terminates (departure block) in
    // the own station.
    bool startsOrEndsHere() const { return code.character() == QChar(u'0' + kOwnStationCode); }
    // Minutes of the day (0 to 1439) of the run's departure and arrival, or
    // nothing when the fields do not hold a time of day.
    std::optional<int> departureTime() const;
    std::optional<int> arrivalTime() const;
};

// A train record decoded from its line: every field of the record format, read
// once. Everything that reads records (the train list, loading a train for
// editing, the timetable checks, repeating and sorting trains) reads them
// through this. The fields are views into the line, which must outlive it.
class DecodedRecord {
public:
    explicit DecodedRecord(QStringView line);

    QStringView line() const { return m_line; }
    // The line holds every fixed field the train list and the checks read
    // (positions 1 to 31): type, number, both blocks' times, track, passage.
    bool holdsTimetable() const { return m_line.size() >= kTimetableLength; }

    FieldValue type;    // type code
    FieldValue number;  // train number, zero-filled
    DecodedRun arrival;
    FieldValue track;   // one character; "0" for a train without a regular track
    FieldValue passage; // passage code "1" to "4"
    DecodedRun departure;

    // Index of the record's type in trainTypes(), or -1 for a missing or
    // unknown type code.
    int typeIndex() const;
    bool passesNeighbour() const;  // the train does not stop where it comes from
    bool passesOwnStation() const; // the train does not stop in the own station
    FieldValue vehicle(int index) const; // composition place 0 to 9
    QStringView note() const;            // everything after position 67

    static constexpr int kTimetableLength = 31;

private:
    QStringView m_line;
};

// Minutes of the day written as the train list and the checks show them, "07:05".
QString clockText(int minutes);

} // namespace tgx
