#pragma once

#include <vector>

namespace tgx {

// How many of the minutes added lie below a given minute, in logarithmic
// time: the checks count the trains a line meets or overtakes beyond those
// it names without listing them, which a timetable of many equal trains
// could not afford. Minutes run from `lowest` over `span` minutes (unrolled
// past midnight where needed).
class MinuteCounts {
public:
    MinuteCounts(int lowest, int span);

    void add(int minute, int change = 1);
    int below(int minute) const; // how many lie before minute, which may lie outside the span
    int above(int minute) const { return m_total - below(minute + 1); }
    int total() const { return m_total; }

private:
    int m_lowest;
    std::vector<int> m_tree; // a Fenwick tree: node i sums the minutes i - (i & -i) + 1 to i
    int m_total = 0;
};

} // namespace tgx
