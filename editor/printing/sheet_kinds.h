#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tgx {

// The sheets a timetable prints as.
enum class SheetKind { Departures, Arrivals, TrainList, Occupancy, LineGraph };

// A sheet as the print preview offers it and the command line names it.
struct SheetName {
    SheetKind kind;
    QString title;  // "Odjezdy"
    QString option; // "odjezdy"; empty for a sheet the command line does not print
};

// Every sheet, in the order the preview offers them.
const QList<SheetName> &sheetNames();
QString sheetTitle(SheetKind kind);
// The sheet --print names by option, or nothing.
std::optional<SheetKind> sheetOfOption(const QString &option);
// The options --print takes, "odjezdy, prijezdy, ...".
QString sheetOptions();

// What the head of every page of a sheet says: the sheet, the simulator
// (header line 2), the timetable's name (header line 1) and the day it was printed.
struct PageHead {
    QString title;
    QString simulator;
    QString name;
    QString date; // "8. 12. 2026"
};
PageHead pageHead(SheetKind kind, const QStringList &documentLines, QDate printed);

// The foot of page n of m, "strana 2 z 5".
QString pageFoot(int page, int pages);

} // namespace tgx
