#include "occupancy/finding_lists.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace tgx {

namespace {

// Trains are indexed in line order, so their indices order the other lines.
const auto lineThenOther = [](const Finding &a, const Finding &b) {
    return a.line != b.line ? a.line < b.line : a.other < b.other;
};

// Sorts findings of one kind by line and then by the other line: a counting
// sort by line, as a document full of faults has many, then each line's few.
void sortByLine(QList<Finding> &findings)
{
    if (std::is_sorted(findings.cbegin(), findings.cend(), lineThenOther))
        return;
    int lastLine = 0;
    for (const Finding &finding : std::as_const(findings))
        lastLine = std::max(lastLine, finding.line);
    std::vector<qsizetype> start(std::size_t(lastLine) + 2, 0);
    for (const Finding &finding : std::as_const(findings))
        ++start[finding.line + 1];
    for (std::size_t line = 1; line < start.size(); ++line)
        start[line] += start[line - 1];
    QList<Finding> sorted(findings.size());
    for (const Finding &finding : std::as_const(findings))
        sorted[start[finding.line]++] = finding;
    for (auto first = sorted.begin(); first != sorted.end();) {
        const auto last = std::find_if(first, sorted.end(), [&](const Finding &f) { return f.line != first->line; });
        std::sort(first, last, lineThenOther);
        first = last;
    }
    findings = std::move(sorted);
}

} // namespace

QList<Finding> FindingLists::takeSorted()
{
    qsizetype total = 0;
    for (QList<Finding> &list : m_lists) {
        sortByLine(list);
        total += list.size();
    }
    // Line by line, the kinds in their order.
    QList<Finding> sorted;
    sorted.reserve(total);
    std::array<const Finding *, kKinds> next;
    std::array<const Finding *, kKinds> end;
    for (int kind = 0; kind < kKinds; ++kind) {
        next[kind] = m_lists[kind].constData();
        end[kind] = m_lists[kind].constData() + m_lists[kind].size();
    }
    for (;;) {
        int line = INT_MAX;
        for (int kind = 0; kind < kKinds; ++kind) {
            if (next[kind] != end[kind])
                line = std::min(line, next[kind]->line);
        }
        if (line == INT_MAX)
            break;
        for (int kind = 0; kind < kKinds; ++kind) {
            while (next[kind] != end[kind] && next[kind]->line == line)
                sorted.append(*next[kind]++);
        }
    }
    m_lists = {};
    return sorted;
}

} // namespace tgx
