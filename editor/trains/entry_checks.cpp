#include "trains/entry_checks.h"

#include "trains/train_dialog_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <utility>

namespace tgx {

namespace {

const QString kMissingType = QStringLiteral("Není uveden údaj: Druhová zkratka!");
const QString kMissingNumber = QStringLiteral("Není uveden údaj: Číslo vlaku!");
const QString kMissingFromStation = QStringLiteral("Není uveden údaj: Ze stanice!");
const QString kMissingToStation = QStringLiteral("Není uveden údaj: Do stanice!");
const QString kMissingDeparture = QStringLiteral("Není uveden údaj: Odjezd!");
const QString kMissingArrival = QStringLiteral("Není uveden údaj: Příjezd!");
const QString kMissingTrack = QStringLiteral("Není uveden údaj: Pravidelná kolej");
const QString kBadComposition = QStringLiteral("Chyba vlakotvorby");

constexpr int kCompositionLength = 30; // ten vehicles of three digits

// Reads a run into entry, or gives the message of its first list without a
// chosen item. The lists of a train that starts or ends here are not read.
QString readRun(const RunControls &run, const QString &missingStation, RunEntry &entry)
{
    entry.ownStationEnd = run.ownStationEnd->isChecked();
    if (entry.ownStationEnd)
        return {};
    const std::pair<const QComboBox *, const QString *> required[] = {
        {run.station, &missingStation},          {run.departureHour, &kMissingDeparture},
        {run.departureMinute, &kMissingDeparture}, {run.arrivalHour, &kMissingArrival},
        {run.arrivalMinute, &kMissingArrival},
    };
    for (const auto &[list, message] : required) {
        if (list->currentIndex() < 0)
            return *message;
    }
    entry.neighbourCode = run.station->currentIndex() + 1;
    entry.departureHour = run.departureHour->currentIndex();
    entry.departureMinute = run.departureMinute->currentIndex();
    entry.arrivalHour = run.arrivalHour->currentIndex();
    entry.arrivalMinute = run.arrivalMinute->currentIndex();
    return {};
}

QString readTrack(const QComboBox &list, const std::optional<QString> &trackWithoutList, QString &track)
{
    if (trackWithoutList) {
        track = *trackWithoutList;
        return {};
    }
    if (list.currentIndex() < 0)
        return kMissingTrack;
    track = list.currentText();
    return {};
}

QString readComposition(const TrainDialogControls &c, TrainEntry &entry)
{
    qsizetype length = 0;
    for (int i = 0; i < kVehicleCount; ++i) {
        entry.vehicles[i] = c.vehicles[i]->text();
        length += entry.vehicles[i].size();
    }
    return length < kCompositionLength ? kBadComposition : QString();
}

// Each step reads its part of the entry; the first message stops the checks.
QString readEntry(const TrainDialogControls &c, const std::optional<QString> &trackWithoutList, TrainEntry &entry)
{
    if (c.B2->currentIndex() < 0)
        return kMissingType;
    entry.typeIndex = c.B2->currentIndex();
    entry.number = c.B4->text();
    if (entry.number.isEmpty())
        return kMissingNumber;
    if (QString missing = readRun(c.arrival, kMissingFromStation, entry.arrival); !missing.isEmpty())
        return missing;
    if (QString missing = readTrack(*c.E0, trackWithoutList, entry.track); !missing.isEmpty())
        return missing;
    if (QString missing = readRun(c.departure, kMissingToStation, entry.departure); !missing.isEmpty())
        return missing;
    entry.passesNeighbour = c.arrival.passes->isChecked();
    entry.passesOwnStation = c.departure.passes->isChecked();
    entry.note = c.F5->text();
    return readComposition(c, entry);
}

} // namespace

EntryCheck checkEntries(const TrainDialogControls &controls, const std::optional<QString> &trackWithoutList)
{
    EntryCheck check;
    check.missing = readEntry(controls, trackWithoutList, check.entry);
    return check;
}

} // namespace tgx
