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

struct SortedLine {
    int key;
    QString text;
};

} // namespace

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
    const QStringList records = current.mid(HeaderLine::FirstTrain - 1);
    qsizetype first = -1;
    qsizetype last = -1;
    int moved = 0;
    for (qsizetype i = 0; i < sorted.size(); ++i) {
        if (sorted[i] != records[i]) {
            first = first < 0 ? i : first;
            last = i;
            ++moved;
        }
    }
    if (moved > 0) {
        const DocumentLines::Step step(lines);
        lines.replaceLines(int(HeaderLine::FirstTrain + first), sorted.mid(first, last - first + 1));
    }
    return moved;
}

} // namespace tgx
