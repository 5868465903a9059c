#pragma once

#include "trains/timetable_context.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>

namespace tgx {

class DecodedRecord;

// The line the train list shows for a record of a timetable made for
// simulatorName (header line 2), whose specified neighbour is
// specifiedNeighbour (header line 7). A record shorter than 31 characters is
// shown as it stands. A train number (positions 3-7) that is not decimal
// fails with kConversionError.
QString summaryLine(QStringView record, QStringView simulatorName, QStringView specifiedNeighbour);
QString summaryLine(const DecodedRecord &record, const TimetableContext &timetable);

// The train list of a document: one item per non-empty record line, in
// document order. An item's summary line is made when it is asked for, so
// that a change of the text costs no new string per train.
struct TrainList {
    QStringList records;        // the record lines listed
    QList<int> lines;           // document line (from 1) each record came from
    int simulator = -1;         // the timetable's simulator, catalogue index
    QString specifiedNeighbour; // the timetable's header line 7

    qsizetype size() const { return records.size(); }
    QString summary(qsizetype item) const;
    QStringList summaries() const; // of every item, in order
};

// Builds the train list of a document record by record. The first record
// whose train number is not decimal stops the list: it and every later
// record stay out of it, so every listed record has a summary line.
class TrainListBuilder {
public:
    explicit TrainListBuilder(const QStringList &documentLines);

    void add(int lineNumber, const DecodedRecord &record);
    // Why the list stopped, naming the line and the number; nothing when it holds every record.
    const std::optional<QString> &failure() const { return m_failure; }
    TrainList take() { return std::move(m_list); }

private:
    const QStringList &m_documentLines;
    TrainList m_list;
    std::optional<QString> m_failure;
};

// Decodes each non-empty record line of a document (line 31 onward) once and
// hands it to visit with its line number (from 1), in document order.
void forEachRecord(const QStringList &documentLines, const std::function<void(int, const DecodedRecord &)> &visit);

// Replaces list with the records of documentLines 31 onward, skipping empty
// lines. A record whose train number is not decimal stops the decoding with a
// Failure that names its line and number; the records before it stay in list.
void decodeTrainList(const QStringList &documentLines, TrainList &list);

} // namespace tgx
