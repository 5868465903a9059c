#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tgx {

// A railway line of the simulators' region: its name and its stations in
// order from one end to the other, as the neighbour station tables connect
// them. A station is the same station, by its full name, on every line and
// in every timetable.
struct RailLine {
    QString name;        // "Nový Lesov – Obora - Mrázov"
    QStringList stations; // from the first end to the other
};

// The six lines, the main line first.
const QList<RailLine> &railLines();

// The own station of the simulator at catalogue index simulator ("Hutky" for
// "Zelto ŽST Hutky"); empty for -1 or any index outside the catalogue.
QString ownStation(int simulator);

// Indices in railLines() of the lines that hold station, in railLines() order.
QList<int> linesHolding(QStringView station);

// Where the own stations stand along the lines: 0 for "Vrbinov" up to 5 for
// "Skalín"; the order in which findings about several timetables name them.
// An unknown station comes after all of them.
int ownStationOrder(QStringView station);

} // namespace tgx
