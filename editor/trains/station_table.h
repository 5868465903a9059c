#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tgx {

// The neighbouring stations and regular tracks of each simulator, addressed by
// the simulator's index in the catalogue. A neighbour's code in a record is its
// position in the dialog's station list plus 1. One row per simulator may stand
// for the specified neighbour: its name is whatever header line 7 holds.
// An index outside the catalogue (-1 for an unknown simulator) has no rows and
// no tracks.

// Station names for the train dialog's "Ze stanice" and "Do stanice" lists,
// in code order; the specified neighbour's row shows specifiedNeighbour.
QStringList neighbourStations(int simulator, const QString &specifiedNeighbour);

// Regular tracks the dialog offers, in list order; none for "Zelto Dl. Skalín".
QStringList trackList(int simulator);

// Name the train list shows for a neighbour code: the row's short name, or
// specifiedNeighbour for the specified neighbour's row; nothing when the
// simulator has no row with that code.
std::optional<QStringView> neighbourShortName(int simulator, int code, QStringView specifiedNeighbour);

// Code of a station chosen in the dialog. The fixed names of the rows count,
// and for the specified neighbour's row both of its alternatives; failing
// those, a station equal to specifiedNeighbour gets that row's code, because
// the dialog lists header line 7 as it stands. Nothing when no row matches.
std::optional<int> neighbourCode(int simulator, QStringView station, QStringView specifiedNeighbour);

} // namespace tgx
