#pragma once

#include "occupancy/occupancy_plan.h"
#include "occupancy/pair_findings.h"

#include <array>
#include <memory>
#include <vector>

namespace tgx {

// The greatest distinct train indices offered, at most kPartnerLimit of them,
// greatest first.
class NearestTrains {
public:
    // Takes train in when it is among the greatest; false when it is not and
    // no smaller index offered later would be either.
    bool offer(int train);
    const int *begin() const { return m_trains.data(); }
    const int *end() const { return m_trains.data() + m_count; }

private:
    std::array<int, kPartnerLimit> m_trains {};
    int m_count = 0;
};

// The trains on one track so far, found by the minutes they hold. Trains come
// in line order, and each range of minutes keeps only its latest
// kPartnerLimit trains: enough to find the nearest earlier lines that a train
// shares minutes with. Two trees over the first minutes of the stretches:
// one of the trains holding every such minute of a node's range, one of the
// trains whose stretch starts within it. Only first minutes count, as two
// stretches meet exactly when one holds the other's first minute.
class LatestOnTrack {
public:
    // firsts: the first minutes of every stretch that will be added or looked up.
    explicit LatestOnTrack(const std::vector<int> &firsts);

    void add(int train, const OccupancyBar &stretch);
    // Offers nearest the trains added so far that share a minute with stretch.
    void offerMeeting(const OccupancyBar &stretch, NearestTrains &nearest) const;

private:
    // The latest trains of each node of a tree: how many were added, and the
    // latest kPartnerLimit of them in a ring.
    class Tree {
    public:
        explicit Tree(int nodes);
        void add(int node, int train);
        void offer(int node, NearestTrains &nearest) const;

    private:
        std::vector<int> m_count;
        std::unique_ptr<int[]> m_trains; // read only where counted, so left unset
    };

    int leafOf(int minute) const { return m_leaves + m_below[minute]; }
    int leafAfter(int minute) const { return m_leaves + m_below[minute + 1]; }

    std::vector<int> m_below; // for each minute, the first minutes before it
    int m_leaves = 1;
    Tree m_holding;
    Tree m_starting;
};

} // namespace tgx
