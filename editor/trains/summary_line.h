#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tgx {

// The line the train list shows for a record of a timetable made for
// simulatorName (header line 2), whose specified neighbour is
// specifiedNeighbour (header line 7). A record shorter than 31 characters is
// shown as it stands. A train number (positions 3-7) that is not decimal
// fails with kConversionError.
QString summaryLine(QStringView record, QStringView simulatorName, QStringView specifiedNeighbour);

// The train list of a document: one summary per non-empty record line.
struct TrainList {
    QStringList summaries; // in document order
    QList<int> lines;      // document line (from 1) each summary came from
};

// Replaces list with the summaries of documentLines 31 onward, skipping empty
// lines. A record whose train number is not decimal stops the decoding with a
// Failure that names its line and number; the summaries before it stay in list.
void decodeTrainList(const QStringList &documentLines, TrainList &list);

} // namespace tgx
