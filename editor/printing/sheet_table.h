#pragma once

#include "printing/sheet_kinds.h"

#include <QList>
#include <QStringList>

namespace tgx {

// A column of a printed table: its heading and its share of the page's width.
struct SheetColumn {
    QString heading;
    int share = 1;
};

// What a table sheet prints: the columns and a row of cells for each train.
// The last column takes what is left of a row and wraps; the others elide.
struct SheetTable {
    QList<SheetColumn> columns;
    QList<QStringList> rows;
};

// The table of the departures, the arrivals or the train list of a document.
SheetTable sheetTable(SheetKind kind, const QStringList &documentLines);

} // namespace tgx
