#pragma once

#include <QChar>
#include <QString>

#include <optional>

namespace tgx {

class DecodedRecord;

// Why the timetable fields of a record cannot be read: the first field at
// fault, in position order, and the characters it holds.
struct RecordFault {
    enum class Kind : quint8 {
        TooShort,      // the line ends before position 31
        Number,        // positions 3-7 are not a decimal train number
        NeighbourCode, // position 8 or 23 is not a digit
        Time,          // a present block holds a time that is not a time of day
    };
    Kind kind = Kind::TooShort;
    int length = 0;      // characters on the line
    quint8 position = 0; // first position (from 1) of the field at fault
    quint8 width = 0;    // its positions
    QChar found[5];      // its characters, width of them
};

// The fault of a record whose times and number cannot be read, or nothing:
// a record is readable when it holds positions 1 to 31, its train number is
// decimal, both neighbour codes are digits and every time of a block that is
// present (a train that does not start or end here) is a time of day. The
// type code is not checked: one outside the table is shown as it stands.
std::optional<RecordFault> timetableFault(const DecodedRecord &record);

// The fault in words, "„25:61“ na pozicích 13–16 není čas".
QString faultDescription(const RecordFault &fault);

} // namespace tgx
