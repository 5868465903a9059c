#pragma once

#include <QChar>
#include <QStringView>

namespace tgx {

// A fixed field of a train record: its first character position (from 1) and
// its width.
struct RecordField {
    int position;
    int width;
};

// The fixed fields outside the two blocks.
namespace Field {
inline constexpr RecordField Type{1, 2};    // type code "10" to "28"
inline constexpr RecordField Number{3, 5};  // train number, zero-filled
inline constexpr RecordField Track{21, 1};  // regular track
inline constexpr RecordField Passage{22, 1}; // passage code "1" to "4"
inline constexpr RecordField Reserved{36, 2};
} // namespace Field

// The fields of one block: the run from the neighbour the train comes from to
// the own station (arrival block), or from the own station to the neighbour it
// goes to (departure block).
struct BlockFields {
    RecordField code;            // neighbour code, "0" when the train starts or ends here
    RecordField departureHour;   // departure at the start of the run
    RecordField departureMinute;
    RecordField arrivalHour;     // arrival at the end of the run
    RecordField arrivalMinute;
    RecordField runningTime;
    RecordField reserved;
};

inline constexpr BlockFields kArrivalBlock{{8, 1}, {9, 2}, {11, 2}, {13, 2}, {15, 2}, {17, 2}, {19, 2}};
inline constexpr BlockFields kDepartureBlock{{23, 1}, {24, 2}, {26, 2}, {28, 2}, {30, 2}, {32, 2}, {34, 2}};

inline constexpr int kOwnStationCode = 0; // neighbour code of a train starting or ending here
inline constexpr int kVehicleCount = 10;  // places of the composition
inline constexpr int kBodyLength = 67;    // the note starts after this position

// Vehicle place index (0 to 9) of the composition, three characters each.
constexpr RecordField vehicleField(int index) { return {38 + 3 * index, 3}; }

// The note: everything after position 67, empty for a shorter record.
QStringView recordNote(QStringView record);

// Passage code of a train from its two "Průjezd" choices: whether it passes
// the neighbour it comes from and whether it passes the own station.
QChar passageCode(bool passesNeighbour, bool passesOwnStation);

// Whether a passage code says the train passes the neighbour it comes from.
bool passesNeighbour(QChar code);

// Whether a passage code says the train passes the own station.
bool passesOwnStation(QChar code);

} // namespace tgx
