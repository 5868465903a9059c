#pragma once

#include "occupancy/finding_lists.h"

namespace tgx {

// At most this many other trains are named by one line for each kind of pair
// finding, so that a document of many equal trains gives findings in
// proportion to its lines rather than to its pairs.
inline constexpr int kPartnerLimit = 10;

// Adds a collision finding for every pair of trains marked inConflict that
// share a minute of their track, on the later line of the two. A line names
// the nearest earlier lines it collides with, at most kPartnerLimit of them,
// and then says how many more there are.
void findCollisions(const QList<PlannedTrain> &trains, FindingLists &findings);

// Adds an overtaking finding for every train B that leaves after a train A for
// the same neighbour and arrives there first, or does so on the line from a
// neighbour, on B's line. Only neighbour codes that the simulator's station
// table names are checked: the finding names the station. A line names at
// most kPartnerLimit overtaken trains: first those on the line to its
// neighbour, then those on the line from it, each time the trains that left
// last before it; and then says how many more there are.
void findOvertakings(const QList<PlannedTrain> &trains, int simulator, FindingLists &findings);

} // namespace tgx
