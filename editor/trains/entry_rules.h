#pragma once

#include "trains/train_record.h"

#include <QString>

#include <array>
#include <optional>

namespace tgx {

// What one run group of the train dialog holds: the boxes and, for each list,
// the item chosen (nothing when none is). The station is its neighbour code.
struct RunChoices {
    bool ownStationEnd = false; // "Výchozí" / "Končící"
    std::optional<int> station;
    std::optional<int> departureHour;
    std::optional<int> departureMinute;
    std::optional<int> arrivalHour;
    std::optional<int> arrivalMinute;
};

// Everything the train dialog's entries hold when "OK" is pressed, whoever
// filled them in: the dialog's controls or a row of an imported table.
struct EntryChoices {
    std::optional<int> typeIndex; // index in trainTypes()
    QString number;
    RunChoices arrival;
    std::optional<QString> track; // nothing when no track is chosen
    bool passesNeighbour = false;
    bool passesOwnStation = false;
    RunChoices departure;
    std::array<QString, kVehicleCount> vehicles;
    QString note;
};

// The entry that the first failing check is about.
enum class EntryPart { Type, Number, FromStation, FromDeparture, FromArrival, Track, ToStation, ToDeparture,
                       ToArrival, Composition };

// The outcome of the train dialog's "OK" checks: the message of the first
// missing entry and the entry it is about, or, when there is none, the entry
// to compose the record from.
struct EntryCheck {
    QString missing; // empty when every check passed
    EntryPart part = EntryPart::Type;
    TrainEntry entry;
};

// Runs the checks of "OK" in their order. The groups of a train that starts
// or ends in the own station are not checked.
EntryCheck checkEntryChoices(const EntryChoices &choices);

} // namespace tgx
