#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace tgx {

// A time of day as spreadsheets write it back: "5:26", "05:26", "05:26:00",
// "5:26 AM", "5:26:00 PM". Minutes of the day, or nothing for any other text
// (seconds other than ":00" included: a record holds whole minutes).
std::optional<int> readTimeCell(QStringView cell);

// A vehicle number as the record holds it, three digits: a spreadsheet drops
// leading zeros ("12" for "012"), and an empty cell is an empty place "000".
// Nothing for a cell that is not one to three digits.
std::optional<QString> readVehicleCell(QStringView cell);

// A vehicle number as the table writes it: empty for an empty place.
QString vehicleCell(QStringView recordVehicle);

// A train number of one to five digits, as the train dialog takes it.
bool isTrainNumber(QStringView cell);

} // namespace tgx
