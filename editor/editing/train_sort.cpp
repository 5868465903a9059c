#include "editing/train_sort.h"

#include "document/document_lines.h"
#include "document/header_lines.h"
#include "trains/decoded_record.h"

#include <QList>

#include <algorithm>
#include <optional>

namespace tgx {

namespace {

// Sorting key of lines without a time in the own station: after every time.
constexpr int kNoTime = kMinutesPerDay;

std::optional<int> ownStationTime(const DecodedRecord &record)
{
    if (!record.holdsTimetable())
        return std::nullopt;
    if (!record.arrival.startsOrEndsHere())
        return record.arrival.arrivalTime();
    if (!record.departure.startsOrEndsHere())
        return record.departure.departureTime();
    return std::nullopt;
}

struct SortedLine {
    int key;
    QString text;
};

} // namespace

QStringList recordLinesByTime(const QStringList &documentLines)
{
    const QStringList records = documentLines.mid(HeaderLine::FirstTrain - 1);
    QList<SortedLine> filled;
    for (const QString &line : records) {
        if (!line.isEmpty())
            filled.append({ownStationTime(DecodedRecord(line)).value_or(kNoTime), line});
    }
    std::stable_sort(filled.begin(), filled.end(),
                     [](const SortedLine &a, const SortedLine &b) { return a.key < b.key; });

    QStringList sorted;
    sorted.reserve(records.size());
    auto next = filled.cbegin();
    for (const QString &line : records)
        sorted << (line.isEmpty() ? line : (next++)->text);
    return sorted;
}

int sortTrainsByTime(DocumentLines &lines)
{
    const QStringList current = lines.allLines();
    const QStringList sorted = recordLinesByTime(current);
    const DocumentLines::Step step(lines);
    int replaced = 0;
    for (qsizetype i = 0; i < sorted.size(); ++i) {
        const qsizetype index = HeaderLine::FirstTrain - 1 + i;
        if (sorted[i] != current[index]) {
            lines.replaceLine(int(index + 1), sorted[i]);
            ++replaced;
        }
    }
    return replaced;
}

} // namespace tgx
