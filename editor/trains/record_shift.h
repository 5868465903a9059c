#pragma once

#include <QString>

namespace tgx {

class DecodedRecord;

// Train numbers a record can hold: five decimal digits.
inline constexpr int kLowestTrainNumber = 0;
inline constexpr int kHighestTrainNumber = 99999;

// Fails with a Failure that says why the record cannot be moved in time: the
// fault timetableFault finds (too short, a train number or neighbour code
// that is not one, a time of a run that is not a time of day).
void requireShiftable(const DecodedRecord &record);

// The record's line with every time of its runs moved by minutes (of either
// sign, modulo a day) and the train number set to number (kLowestTrainNumber
// to kHighestTrainNumber), written zero-filled. The block of a train that
// starts or ends here stays as it stands, and so does everything else: type,
// codes, running times (both ends of a run move alike), track, passage,
// reserved positions, composition and note. Fails as requireShiftable does.
QString shiftedRecord(const DecodedRecord &record, int minutes, int number);

} // namespace tgx
