#pragma once

#include "trains/train_record.h"

#include <QString>

#include <optional>

namespace tgx {

struct TrainDialogControls;

// The outcome of the train dialog's "OK" checks: the message of the first
// missing entry, or, when there is none, the entry to compose the record from.
struct EntryCheck {
    QString missing; // empty when every check passed
    TrainEntry entry;
};

// Runs the checks of "OK" in their order over the dialog's controls and reads
// the entry. trackWithoutList is the track written for a simulator that offers
// no track list, whose track check is waived; nothing where a track must be
// chosen from the list. A neighbour's code is its position in the list + 1.
EntryCheck checkEntries(const TrainDialogControls &controls, const std::optional<QString> &trackWithoutList);

} // namespace tgx
