#pragma once

#include <QString>
#include <QStringList>

namespace tgx {

// The columns of the train table, one row per train, in the order the table
// is written. Vehicle1 to Vehicle10 are consecutive.
enum class Column {
    Type, Number, FromStation, FromDeparture, FromArrival, Track, PassesNeighbour, PassesOwnStation,
    ToStation, ToDeparture, ToArrival, Vehicle1, Vehicle10 = Vehicle1 + 9, Note, Count
};

inline constexpr int kColumnCount = int(Column::Count);

// The column names of the first row, in column order.
const QStringList &columnNames();

inline QString columnName(Column column) { return columnNames()[int(column)]; }

// Texts of the cells that name no neighbour or say yes.
inline const QString kOriginates = QStringLiteral("Výchozí");
inline const QString kTerminates = QStringLiteral("Končící");
inline const QString kYes = QStringLiteral("ano");

} // namespace tgx
