#pragma once

#include <QStringList>

#include <optional>

namespace tgx {

class DecodedRecord;
class DocumentLines;

// A train's time in the own station as minutes of the day, the time trains
// are sorted by: its arrival there, or its departure for a train that
// originates there. Nothing for a line too short to hold it, a time that is
// not a time of day, or a train that neither arrives nor departs.
std::optional<int> ownStationTime(const DecodedRecord &record);

// The record lines of a document (line 31 onward) reordered by each train's
// time in the own station: its arrival there, or its departure for a train
// that originates there, as minutes of the day. Equal times keep their order.
// Lines without such a time (too short, a time that is not a time of day, a
// train that neither arrives nor departs) keep their order after all the
// others. Empty lines keep their places: the other lines fill the remaining
// places in sorted order, so a blank line the user put among the trains stays
// where it was. Empty when the document has no record lines.
QStringList recordLinesByTime(const QStringList &documentLines);

// Puts the document's record lines into the order recordLinesByTime gives, as
// one step of the history and one change of the text: the lines from the
// first to the last that move are written at once, so that sorting a large
// timetable rebuilds the train list once, not once per line. Gives the number
// of lines that move.
int sortTrainsByTime(DocumentLines &lines);

} // namespace tgx
