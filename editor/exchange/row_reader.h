#pragma once

#include "exchange/table_import.h"
#include "trains/entry_rules.h"

#include <QStringList>

#include <array>
#include <optional>

namespace tgx {

struct TimetableContext;

// Reads the rows of one train table for one timetable: turns a row's cells
// into what the train dialog's entries would hold, refuses what they could
// not hold, and composes the record as the dialog does.
class RowReader {
public:
    // columnAt: the table's index of each column, -1 for a column it lacks.
    RowReader(const TimetableContext &context, const std::array<int, kColumnCount> &columnAt);

    // The record of a row, or nothing when the row is refused (its refusals
    // appended to refusals).
    std::optional<QString> read(const QStringList &cells, int row, QList<Refusal> &refusals) const;

private:
    struct Row;
    EntryChoices choicesOf(Row &row) const;
    void readRun(Row &row, Column station, const QString &ownStation, RunChoices &run) const;
    std::optional<QString> track(Row &row) const;
    void refuseBoxes(Row &row, const EntryChoices &choices) const;
    void passOwnStation(Row &row, EntryChoices &choices) const;

    int m_simulator;
    QString m_specifiedNeighbour;
    QStringList m_tracks;
    std::array<int, kColumnCount> m_columnAt;
};

} // namespace tgx
