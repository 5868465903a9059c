#include "trains/entry_checks.h"

#include "trains/train_dialog_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace tgx {

namespace {

std::optional<int> chosen(const QComboBox *list)
{
    return list->currentIndex() < 0 ? std::nullopt : std::optional<int>(list->currentIndex());
}

RunChoices runChoices(const RunControls &run)
{
    const auto station = chosen(run.station);
    return {run.ownStationEnd->isChecked(),      station ? std::optional<int>(*station + 1) : std::nullopt,
            chosen(run.departureHour),           chosen(run.departureMinute),
            chosen(run.arrivalHour),             chosen(run.arrivalMinute)};
}

std::optional<QString> trackChoice(const QComboBox &list, const std::optional<QString> &trackWithoutList)
{
    if (trackWithoutList)
        return trackWithoutList;
    return list.currentIndex() < 0 ? std::nullopt : std::optional<QString>(list.currentText());
}

} // namespace

EntryCheck checkEntries(const TrainDialogControls &c, const std::optional<QString> &trackWithoutList)
{
    EntryChoices choices;
    choices.typeIndex = chosen(c.B2);
    choices.number = c.B4->text();
    choices.arrival = runChoices(c.arrival);
    choices.track = trackChoice(*c.E0, trackWithoutList);
    choices.passesNeighbour = c.arrival.passes->isChecked();
    choices.passesOwnStation = c.departure.passes->isChecked();
    choices.departure = runChoices(c.departure);
    for (int i = 0; i < kVehicleCount; ++i)
        choices.vehicles[i] = c.vehicles[i]->text();
    choices.note = c.F5->text();
    return checkEntryChoices(choices);
}

} // namespace tgx
