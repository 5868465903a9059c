#pragma once

#include "occupancy/finding_lists.h"

namespace tgx {

class StationTracks;

// Adds the findings about single trains: a track the station lacks (when its
// tracks are checked at all) and a departure before the arrival.
void findTrainFaults(const QList<PlannedTrain> &trains, const StationTracks &tracks, FindingLists &findings);

// Adds a finding on every line whose train number an earlier line already
// has, naming the first line with the number. Numbers compare as numbers.
void findDuplicateNumbers(const QList<PlannedTrain> &trains, FindingLists &findings);

} // namespace tgx
