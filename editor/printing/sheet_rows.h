#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tgx {

// One train on a station sheet: when it is in the own station, which train,
// the neighbour it leaves for (departures) or comes from (arrivals) as the
// train list names it, its track, whether it passes without stopping and its
// note.
struct SheetRow {
    int minute = 0;  // of the day, 0 to 1439
    QString train;   // "Os 4521"
    QString station; // short name; empty when the simulator has no row of that code
    QString track;
    bool passing = false;
    QString note;
    int line = 0; // document line (from 1)
};

// Every train that leaves the own station, by departure time; trains in the
// same minute keep their document order. Records the checks cannot read are
// left out: the sheet shows no time it cannot be sure of.
QList<SheetRow> departureRows(const QStringList &documentLines);
// Every train that arrives in the own station, by arrival time, the same way.
QList<SheetRow> arrivalRows(const QStringList &documentLines);

// The train list's lines in document order, as the list view shows them.
QStringList trainListLines(const QStringList &documentLines);

} // namespace tgx
