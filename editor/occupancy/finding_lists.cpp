#include "occupancy/finding_lists.h"

#include <algorithm>
#include <climits>
#include <span>
#include <tuple>
#include <vector>

namespace tgx {

namespace {

// Trains are indexed in line order, so their indices order the other lines.
// A train may overtake one train on both of its line sections: the section
// to the neighbour comes first.
const auto lineThenOther = [](const Finding &a, const Finding &b) {
    return std::tie(a.line, a.other, a.detail) < std::tie(b.line, b.other, b.detail);
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

// The first line that any of the lists has, or INT_MAX when all are empty.
template<std::size_t N>
int firstLine(const std::array<std::span<const Finding>, N> &lists)
{
    int line = INT_MAX;
    for (const std::span<const Finding> &findings : lists) {
        if (!findings.empty())
            line = std::min(line, findings.front().line);
    }
    return line;
}

} // namespace

QList<Finding> FindingLists::takeSorted()
{
    qsizetype total = 0;
    std::array<std::span<const Finding>, kKinds> rest;
    for (int kind = 0; kind < kKinds; ++kind) {
        sortByLine(m_lists[kind]);
        total += m_lists[kind].size();
        rest[kind] = m_lists[kind];
    }
    // Line by line, the kinds in their order.
    QList<Finding> sorted;
    sorted.reserve(total);
    for (int line = firstLine(rest); line != INT_MAX; line = firstLine(rest)) {
        for (std::span<const Finding> &findings : rest) {
            for (; !findings.empty() && findings.front().line == line; findings = findings.subspan(1))
                sorted.append(findings.front());
        }
    }
    m_lists = {};
    return sorted;
}

} // namespace tgx
