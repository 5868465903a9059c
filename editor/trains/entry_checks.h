#pragma once

#include "trains/entry_rules.h"

#include <QString>

#include <optional>

namespace tgx {

struct TrainDialogControls;

// Runs the checks of "OK" in their order over the dialog's controls and reads
// the entry. trackWithoutList is the track written for a simulator that offers
// no track list, whose track check is waived; nothing where a track must be
// chosen from the list. A neighbour's code is its position in the list + 1.
EntryCheck checkEntries(const TrainDialogControls &controls, const std::optional<QString> &trackWithoutList);

} // namespace tgx
