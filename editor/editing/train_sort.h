#pragma once

#include <QStringList>

namespace tgx {

class DocumentLines;

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
// one step of the history: only the lines whose text changes are replaced,
// each one change of the text. Gives the number of lines replaced.
int sortTrainsByTime(DocumentLines &lines);

} // namespace tgx
