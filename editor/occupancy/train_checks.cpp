#include "occupancy/train_checks.h"

#include "occupancy/occupancy_interval.h"
#include "occupancy/track_rows.h"

#include <algorithm>
#include <vector>

namespace tgx {

namespace {

constexpr int kNumbers = 100000; // a train number has five digits

// One bit for every train number.
class NumberSet {
public:
    NumberSet() : m_words(kNumbers / 64 + 1, 0) {}
    bool contains(int number) const { return m_words[number / 64] >> (number % 64) & 1; }
    void insert(int number) { m_words[number / 64] |= quint64(1) << (number % 64); }

private:
    std::vector<quint64> m_words;
};

} // namespace

void findTrainFaults(const QList<PlannedTrain> &trains, const StationTracks &tracks, FindingLists &findings)
{
    for (const PlannedTrain &train : trains) {
        if (tracks.checked() && tracks.position(train.track) < 0)
            findings.add({train.line, FindingKind::UnknownTrack});
        if (departsBeforeArrival(train))
            findings.add({train.line, FindingKind::DepartureBeforeArrival});
    }
}

void findDuplicateNumbers(const QList<PlannedTrain> &trains, FindingLists &findings)
{
    // A first pass finds the numbers that come again; only their trains are
    // then sorted, as most timetables have few or none.
    NumberSet seen;
    NumberSet repeated;
    for (const PlannedTrain &train : trains) {
        if (seen.contains(train.number))
            repeated.insert(train.number);
        seen.insert(train.number);
    }
    std::vector<int> sharing;
    for (qsizetype i = 0; i < trains.size(); ++i) {
        if (repeated.contains(trains[i].number))
            sharing.push_back(int(i));
    }
    std::stable_sort(sharing.begin(), sharing.end(),
                     [&](int a, int b) { return trains[a].number < trains[b].number; });
    int first = -1;
    for (const int index : sharing) {
        if (first >= 0 && trains[first].number == trains[index].number)
            findings.add({trains[index].line, FindingKind::DuplicateNumber, FindingDetail::None, first});
        else
            first = index;
    }
}

} // namespace tgx
