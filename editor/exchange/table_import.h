#pragma once

#include "exchange/table_columns.h"

#include <QByteArrayView>
#include <QList>
#include <QStringList>

namespace tgx {

struct TimetableContext;

// A row of the table that cannot become a train, with the column and the
// reason. Rows count from 1, the row of column names being row 1, as the
// spreadsheet numbers them.
struct Refusal {
    int row = 0;
    Column column = Column::Type;
    QString text;
};

// What reading a train table gives: a record per train row, in table order,
// or, when any row is refused, the refusals and no records at all.
struct TableImport {
    QStringList records;
    QList<Refusal> refusals;
};

// Reads a train table file for a timetable: columns are found by the names
// in its first row, in any order, others are ignored and missing ones read as
// empty. Each row is checked as the train dialog checks its entries and
// composed into the record the dialog composes from them.
TableImport importTrainTable(QByteArrayView bytes, const TimetableContext &context);

// One message for the refusals: the first 20, one a line, and how many more.
QString refusalMessage(const QList<Refusal> &refusals);

} // namespace tgx
