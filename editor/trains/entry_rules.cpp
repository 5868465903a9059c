#include "trains/entry_rules.h"

#include <tuple>

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

// The parts a run's missing entries are reported against.
struct RunParts {
    EntryPart station;
    EntryPart departure;
    EntryPart arrival;
    const QString &missingStation;
};

const RunParts kArrivalParts{EntryPart::FromStation, EntryPart::FromDeparture, EntryPart::FromArrival,
                             kMissingFromStation};
const RunParts kDepartureParts{EntryPart::ToStation, EntryPart::ToDeparture, EntryPart::ToArrival,
                               kMissingToStation};

// Reads a run into check's entry, or sets the message of its first list
// without a chosen item. The lists of a train that starts or ends here are not read.
bool readRun(const RunChoices &run, const RunParts &parts, RunEntry &entry, EntryCheck &check)
{
    entry.ownStationEnd = run.ownStationEnd;
    if (entry.ownStationEnd)
        return true;
    const std::tuple<const std::optional<int> *, EntryPart, const QString *> required[] = {
        {&run.station, parts.station, &parts.missingStation},
        {&run.departureHour, parts.departure, &kMissingDeparture},
        {&run.departureMinute, parts.departure, &kMissingDeparture},
        {&run.arrivalHour, parts.arrival, &kMissingArrival},
        {&run.arrivalMinute, parts.arrival, &kMissingArrival},
    };
    for (const auto &[choice, part, message] : required) {
        if (!*choice) {
            check.missing = *message;
            check.part = part;
            return false;
        }
    }
    entry = {false, *run.station, *run.departureHour, *run.departureMinute, *run.arrivalHour, *run.arrivalMinute};
    return true;
}

bool fail(EntryCheck &check, const QString &message, EntryPart part)
{
    check.missing = message;
    check.part = part;
    return false;
}

bool readComposition(const EntryChoices &choices, TrainEntry &entry, EntryCheck &check)
{
    qsizetype length = 0;
    for (int i = 0; i < kVehicleCount; ++i) {
        entry.vehicles[i] = choices.vehicles[i];
        length += entry.vehicles[i].size();
    }
    return length >= kCompositionLength || fail(check, kBadComposition, EntryPart::Composition);
}

// Each step reads its part of the entry; the first message stops the checks.
void readEntry(const EntryChoices &c, EntryCheck &check)
{
    TrainEntry &entry = check.entry;
    if (!c.typeIndex)
        return void(fail(check, kMissingType, EntryPart::Type));
    entry.typeIndex = *c.typeIndex;
    entry.number = c.number;
    if (entry.number.isEmpty())
        return void(fail(check, kMissingNumber, EntryPart::Number));
    if (!readRun(c.arrival, kArrivalParts, entry.arrival, check))
        return;
    if (!c.track)
        return void(fail(check, kMissingTrack, EntryPart::Track));
    entry.track = *c.track;
    if (!readRun(c.departure, kDepartureParts, entry.departure, check))
        return;
    entry.passesNeighbour = c.passesNeighbour;
    entry.passesOwnStation = c.passesOwnStation;
    entry.note = c.note;
    readComposition(c, entry, check);
}

} // namespace

EntryCheck checkEntryChoices(const EntryChoices &choices)
{
    EntryCheck check;
    readEntry(choices, check);
    return check;
}

} // namespace tgx
