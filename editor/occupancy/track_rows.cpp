#include "occupancy/track_rows.h"

#include "occupancy/occupancy_interval.h"
#include "trains/station_table.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <queue>
#include <vector>

namespace tgx {

namespace {

// The track characters the trains use, listed in character order.
QList<QChar> usedTracks(const QList<PlannedTrain> &trains)
{
    std::vector<quint64> used(0x10000 / 64, 0); // one bit for every character
    for (const PlannedTrain &train : trains)
        used[train.track.unicode() / 64] |= quint64(1) << (train.track.unicode() % 64);
    QList<QChar> tracks;
    for (std::size_t word = 0; word < used.size(); ++word) {
        for (quint64 bits = used[word]; bits != 0; bits &= bits - 1)
            tracks.append(QChar(char16_t(word * 64 + std::countr_zero(bits))));
    }
    return tracks;
}

QList<TrackRow> emptyRows(const QList<PlannedTrain> &trains, const StationTracks &tracks)
{
    QList<TrackRow> rows;
    for (QChar track : tracks.list())
        rows.append({track, {}});
    for (QChar track : usedTracks(trains)) {
        if (tracks.position(track) < 0)
            rows.append({track, {}});
    }
    return rows;
}

// Row of a track: its list position, or past the list in character order.
int rowOf(QChar track, const QList<TrackRow> &rows, const StationTracks &tracks)
{
    const int position = tracks.position(track);
    if (position >= 0)
        return position;
    const qsizetype listed = tracks.list().size();
    const auto found = std::lower_bound(rows.begin() + listed, rows.end(), track,
                                        [](const TrackRow &row, QChar c) { return row.track < c; });
    return int(found - rows.begin());
}

// The trains' stretches, sorted by first minute (a counting sort, as minutes are few),
// trains in line order within a minute.
std::vector<OccupancyBar> sortedBars(const QList<PlannedTrain> &trains)
{
    std::vector<OccupancyBar> bars;
    bars.reserve(trains.size());
    for (qsizetype i = 0; i < trains.size(); ++i) {
        const DayStretches stretches = dayStretches(trains[i].occupancy, int(i));
        bars.insert(bars.end(), stretches.bars.begin(), stretches.bars.begin() + stretches.count);
    }
    std::vector<int> start(kMinutesPerDay + 1, 0);
    for (const OccupancyBar &bar : bars)
        ++start[bar.first + 1];
    for (int minute = 1; minute <= kMinutesPerDay; ++minute)
        start[minute] += start[minute - 1];
    std::vector<OccupancyBar> sorted(bars.size());
    for (const OccupancyBar &bar : bars)
        sorted[start[bar.first]++] = bar;
    return sorted;
}

// The lanes of a row that are free at some minute, lowest first.
class FreeLanes {
public:
    bool contains(int lane) const { return lane >= 0 && m_free[lane]; }
    void add(int lane)
    {
        m_free[lane] = true;
        m_lowest.push(lane);
    }
    // Takes lane when it is free, else the lowest free lane or a new one.
    int take(int lane)
    {
        if (!contains(lane)) {
            // A lane taken out of turn stays in the heap until it comes up.
            while (!m_lowest.empty() && !m_free[m_lowest.top()])
                m_lowest.pop();
            if (m_lowest.empty()) {
                m_free.push_back(false);
                return int(m_free.size()) - 1;
            }
            lane = m_lowest.top();
        }
        m_free[lane] = false;
        return lane;
    }
    int count() const { return int(m_free.size()); }

private:
    std::vector<bool> m_free;
    std::priority_queue<int, std::vector<int>, std::greater<>> m_lowest;
};

// Puts the stretches of row, sorted by first minute, into lanes. laneOfTrain
// remembers each train's lane for its second stretch through midnight.
void layLanes(TrackRow &row, std::vector<int> &laneOfTrain)
{
    FreeLanes free;
    using Busy = std::pair<int, int>; // the last minute of a stretch, its lane
    std::priority_queue<Busy, std::vector<Busy>, std::greater<>> busy;
    for (OccupancyBar &bar : row.bars) {
        for (; !busy.empty() && busy.top().first < bar.first; busy.pop())
            free.add(busy.top().second);
        int &lane = laneOfTrain[bar.train];
        lane = free.take(lane);
        bar.lane = lane;
        busy.push({bar.last, lane});
    }
    row.lanes = std::max(1, free.count());
}

// A stretch of minutes first..last of a train, or none when first > last.
struct Stretch {
    int first;
    int last;
    int train;
};

// Calls mark with the train of every stretch that shares a minute with
// another. Sorted by first minute, a stretch meets an earlier one exactly
// when it starts before the latest end so far, and a later one exactly when
// the next stretch starts before its end.
template <typename Mark>
void markSharing(const std::vector<Stretch> &sorted, Mark mark)
{
    int latestLast = -1;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const Stretch &stretch = sorted[i];
        const bool meetsEarlier = stretch.first <= latestLast;
        const bool meetsLater = i + 1 < sorted.size() && sorted[i + 1].first <= stretch.last;
        if (meetsEarlier || meetsLater)
            mark(stretch.train);
        latestLast = std::max(latestLast, stretch.last);
    }
}

// The minutes of bar that are not estimated, sorted by first minute: the
// estimated ones lie at one end of a bar, or make up all of it.
Stretch certainMinutes(const OccupancyBar &bar)
{
    if (bar.estimatedFirst > bar.estimatedLast)
        return {bar.first, bar.last, bar.train};
    if (bar.estimatedFirst == bar.first)
        return {bar.estimatedLast + 1, bar.last, bar.train};
    return {bar.first, bar.estimatedFirst - 1, bar.train};
}

// Marks the trains of row that share a minute, and which of them share only
// estimated ones: those whose certain minutes meet no other's.
void markConflictsOnRow(const TrackRow &row, QList<PlannedTrain> &trains)
{
    std::vector<Stretch> stretches;
    stretches.reserve(row.bars.size());
    for (const OccupancyBar &bar : row.bars)
        stretches.push_back({bar.first, bar.last, bar.train});
    markSharing(stretches, [&](int train) { trains[train].inConflict = trains[train].possibleConflictOnly = true; });
    std::vector<Stretch> certain;
    for (const OccupancyBar &bar : row.bars) {
        const Stretch minutes = certainMinutes(bar);
        if (trains[bar.train].inConflict && minutes.first <= minutes.last)
            certain.push_back(minutes);
    }
    std::sort(certain.begin(), certain.end(), [](const Stretch &a, const Stretch &b) { return a.first < b.first; });
    markSharing(certain, [&](int train) { trains[train].possibleConflictOnly = false; });
}

} // namespace

StationTracks::StationTracks(int simulator)
{
    m_positionOf.fill(-1);
    for (const QString &track : trackList(simulator)) {
        Q_ASSERT(track.size() == 1 && track.front().unicode() < kAscii && m_count < kMaxTracks);
        m_positionOf[track.front().unicode()] = qint8(m_count);
        m_tracks[m_count++] = track.front();
    }
}

QList<TrackRow> trackRows(const QList<PlannedTrain> &trains, const StationTracks &tracks)
{
    QList<TrackRow> rows = emptyRows(trains, tracks);
    std::vector<int> rowOfTrain(trains.size());
    for (qsizetype i = 0; i < trains.size(); ++i)
        rowOfTrain[i] = rowOf(trains[i].track, rows, tracks);
    // The bars grouped by row, keeping their order; each row then takes its own at once.
    const std::vector<OccupancyBar> bars = sortedBars(trains);
    std::vector<qsizetype> rowStart(rows.size() + 1, 0);
    for (const OccupancyBar &bar : bars)
        ++rowStart[rowOfTrain[bar.train] + 1];
    for (std::size_t row = 1; row < rowStart.size(); ++row)
        rowStart[row] += rowStart[row - 1];
    std::vector<OccupancyBar> byRow(bars.size());
    std::vector<qsizetype> next(rowStart.begin(), rowStart.end() - 1);
    for (const OccupancyBar &bar : bars)
        byRow[next[rowOfTrain[bar.train]]++] = bar;
    std::vector<int> laneOfTrain(trains.size(), -1);
    for (qsizetype row = 0; row < rows.size(); ++row) {
        rows[row].bars = QList<OccupancyBar>(byRow.begin() + rowStart[row], byRow.begin() + rowStart[row + 1]);
        layLanes(rows[row], laneOfTrain);
    }
    return rows;
}

void markConflicts(const QList<TrackRow> &rows, const StationTracks &tracks, QList<PlannedTrain> &trains)
{
    for (const TrackRow &row : rows) {
        if (tracks.collides(row.track))
            markConflictsOnRow(row, trains);
    }
}

} // namespace tgx
