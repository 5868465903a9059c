#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tgx {

// One simulator of the family: its name as header line 2 holds it, and the
// two stations the user may name as the specified neighbour (header line 7);
// empty for simulators that have no such choice.
struct Simulator {
    QString name;
    QStringList stationOptions;
};

// The six simulators in their fixed order; a simulator's position is its index
// everywhere (the properties dialog's list, the station tables).
const QList<Simulator> &simulatorCatalogue();

// Index of the simulator named exactly (byte for byte) by name, or -1.
int simulatorIndex(QStringView name);

inline constexpr int kSkalinIndex = 5; // the simulator without a track list

} // namespace tgx
