#include "occupancy/minute_counts.h"

#include <algorithm>

namespace tgx {

MinuteCounts::MinuteCounts(int lowest, int span)
    : m_lowest(lowest)
    , m_tree(std::size_t(span) + 1, 0)
{
}

void MinuteCounts::add(int minute, int change)
{
    m_total += change;
    for (std::size_t node = std::size_t(minute - m_lowest) + 1; node < m_tree.size(); node += node & (~node + 1))
        m_tree[node] += change;
}

int MinuteCounts::below(int minute) const
{
    int count = 0;
    for (int node = std::clamp(minute - m_lowest, 0, int(m_tree.size()) - 1); node > 0; node &= node - 1)
        count += m_tree[std::size_t(node)];
    return count;
}

} // namespace tgx
