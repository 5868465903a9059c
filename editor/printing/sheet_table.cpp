#include "printing/sheet_table.h"

#include "printing/sheet_rows.h"
#include "trains/decoded_record.h"

namespace tgx {

namespace {

const QString kTime = QStringLiteral("Čas");
const QString kTrain = QStringLiteral("Vlak");
const QString kTo = QStringLiteral("Do stanice");
const QString kFrom = QStringLiteral("Ze stanice");
const QString kTrack = QStringLiteral("Kolej");
const QString kPassing = QStringLiteral("Průjezd");
const QString kNote = QStringLiteral("Poznámka");
const QString kPassingMark = QStringLiteral("průjezd");
const QString kListLine = QStringLiteral("Řádek seznamu vlaků");

SheetTable stationTable(const QString &stationHeading, const QList<SheetRow> &rows)
{
    SheetTable table;
    table.columns = {{kTime, 6}, {kTrain, 10}, {stationHeading, 14}, {kTrack, 5}, {kPassing, 7}, {kNote, 30}};
    table.rows.reserve(rows.size());
    for (const SheetRow &row : rows) {
        table.rows.append({clockText(row.minute), row.train, row.station, row.track,
                           row.passing ? kPassingMark : QString(), row.note});
    }
    return table;
}

SheetTable listTable(const QStringList &lines)
{
    SheetTable table;
    table.columns = {{kListLine, 1}};
    table.rows.reserve(lines.size());
    for (const QString &line : lines)
        table.rows.append({line});
    return table;
}

} // namespace

SheetTable sheetTable(SheetKind kind, const QStringList &documentLines)
{
    switch (kind) {
    case SheetKind::Departures:
        return stationTable(kTo, departureRows(documentLines));
    case SheetKind::Arrivals:
        return stationTable(kFrom, arrivalRows(documentLines));
    case SheetKind::TrainList:
        return listTable(trainListLines(documentLines));
    case SheetKind::Occupancy:
    case SheetKind::LineGraph:
        break;
    }
    return {};
}

} // namespace tgx
