#pragma once

#include "occupancy/occupancy_plan.h"

#include <array>

namespace tgx {

// The findings of a plan as the checks add them, a list for each kind. Most
// checks add theirs in line order, so sorting them all at the end is mostly a
// merge, even for a document with millions of findings.
class FindingLists {
public:
    void add(const Finding &finding) { m_lists[int(finding.kind)].append(finding); }
    // Every finding, sorted by line, then by kind, then by the other line.
    QList<Finding> takeSorted();

private:
    static constexpr int kKinds = int(FindingKind::Unreadable) + 1;

    std::array<QList<Finding>, kKinds> m_lists;
};

} // namespace tgx
