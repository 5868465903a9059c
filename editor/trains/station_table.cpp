#include "trains/station_table.h"

#include "document/simulator_catalogue.h"

#include <QList>

namespace tgx {

namespace {

// One neighbouring station; an empty name marks the specified neighbour.
struct NeighbourRow {
    QString name;      // name in the dialog lists
    QString shortName; // name in the train list
    bool isSpecified() const { return name.isEmpty(); }
};

// Everything one simulator offers in the train dialog.
struct StationTable {
    QList<NeighbourRow> neighbours; // in code order
    QStringList tracks;             // in list order
};

NeighbourRow fixed(const char16_t *name, const char16_t *shortName)
{
    return {QString::fromUtf16(name), QString::fromUtf16(shortName)};
}

const NeighbourRow kSpecified{};

// One track per character, in list order.
QStringList trackListOf(QStringView characters)
{
    QStringList list;
    for (QChar c : characters)
        list.append(QString(c));
    return list;
}

// In catalogue order.
const QList<StationTable> &stationTables()
{
    static const QList<StationTable> tables = {
        {{kSpecified, fixed(u"Hutky", u"Hutky"), fixed(u"Radlická", u"Radlická")},
         trackListOf(u"753120")},
        {{fixed(u"Tovačov východ", u"Tovačov východ"), kSpecified, fixed(u"Olšanov n.Ok.", u"Olšanov"),
          fixed(u"vlečka Kobar", u"vl.Kobar")},
         trackListOf(u"42130")},
        {{kSpecified, fixed(u"Hutky", u"Hutky"), fixed(u"Zálesský Pernov", u"Pernov"),
          fixed(u"vlečka Cihelna", u"vl.Cihelna")},
         trackListOf(u"42130")},
        {{fixed(u"Česká Zálesí", u"Zálesí"), fixed(u"Vrbinov", u"Vrbinov")}, trackListOf(u"210")},
        {{fixed(u"Dolanov n.Ok.", u"Dolanov"), fixed(u"Obora - Mrázov", u"Mrázov")}, trackListOf(u"210")},
        {{fixed(u"Tovačov východ", u"Tovačov východ"), fixed(u"Dolanov n.Ok.", u"Dolanov")}, {}},
    };
    return tables;
}

const StationTable *tableOf(int simulator)
{
    const auto &tables = stationTables();
    return simulator >= 0 && simulator < tables.size() ? &tables[simulator] : nullptr;
}

} // namespace

QStringList neighbourStations(int simulator, const QString &specifiedNeighbour)
{
    QStringList names;
    if (const StationTable *table = tableOf(simulator)) {
        for (const NeighbourRow &row : table->neighbours)
            names.append(row.isSpecified() ? specifiedNeighbour : row.name);
    }
    return names;
}

QStringList trackList(int simulator)
{
    const StationTable *table = tableOf(simulator);
    return table ? table->tracks : QStringList();
}

std::optional<QStringView> neighbourShortName(int simulator, int code, QStringView specifiedNeighbour)
{
    const StationTable *table = tableOf(simulator);
    if (!table || code < 1 || code > table->neighbours.size())
        return std::nullopt;
    const NeighbourRow &row = table->neighbours[code - 1];
    return row.isSpecified() ? specifiedNeighbour : QStringView(row.shortName);
}

std::optional<int> neighbourCode(int simulator, QStringView station, QStringView specifiedNeighbour)
{
    const StationTable *table = tableOf(simulator);
    if (!table)
        return std::nullopt;
    const QStringList &alternatives = simulatorCatalogue()[simulator].stationOptions;
    const auto &rows = table->neighbours;
    for (int i = 0; i < rows.size(); ++i) {
        if (rows[i].isSpecified() ? alternatives.contains(station) : rows[i].name == station)
            return i + 1;
    }
    for (int i = 0; i < rows.size(); ++i) {
        if (rows[i].isSpecified() && station == specifiedNeighbour)
            return i + 1;
    }
    return std::nullopt;
}

} // namespace tgx
