#include "line/graph_trains.h"

#include "trains/decoded_record.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace tgx {

namespace {

// A statement of a train on its way to becoming a point of the graph.
struct Stop {
    int minute = 0;              // of the day
    int row = -1;                // -1 for a station off the line
    const QString *station = nullptr;
    StationEvent event = StationEvent::Departure;
    int timetable = 0;
    int line = 0;
    bool own = false; // stated by the timetable whose own station it is
};

// Arrivals before departures in one minute: a train stands, then leaves.
bool earlier(const Stop &a, const Stop &b)
{
    return a.minute != b.minute ? a.minute < b.minute : a.event == StationEvent::Arrival && b.event != a.event;
}

// Where several timetables state one event of one station of the line, the
// one whose own station it is speaks for it, else the first of them.
void keepOneOfEachEvent(std::vector<Stop> &stops)
{
    std::size_t kept = 0;
    for (const Stop &stop : stops) {
        const auto end = stops.begin() + std::ptrdiff_t(kept);
        const auto same = std::find_if(stops.begin(), end, [&](const Stop &k) {
            return stop.row >= 0 && k.row == stop.row && k.event == stop.event;
        });
        if (same == end)
            stops[kept++] = stop;
        else if (stop.own && !same->own)
            *same = stop;
    }
    stops.resize(kept);
}

// Sorts stops along the train's way: by minute, starting after the longest
// pause of the day, which is when the train does not run; minutes after
// midnight then go on past 1439.
void putInTimeOrder(std::vector<Stop> &stops)
{
    // A train has at most four stops from each timetable: an insertion sort
    // keeps their order without the buffer a stable sort allocates.
    for (auto i = stops.begin(); i != stops.end(); ++i)
        std::rotate(std::upper_bound(stops.begin(), i, *i, earlier), i, i + 1);
    std::size_t start = 0;
    int longest = -1;
    for (std::size_t i = 0; i < stops.size(); ++i) {
        const int before = i > 0 ? stops[i - 1].minute : stops.back().minute - kMinutesPerDay;
        if (stops[i].minute - before > longest) {
            longest = stops[i].minute - before;
            start = i;
        }
    }
    std::rotate(stops.begin(), stops.begin() + std::ptrdiff_t(start), stops.end());
    for (std::size_t i = 1; i < stops.size(); ++i) {
        if (stops[i].minute < stops[i - 1].minute)
            stops[i].minute += kMinutesPerDay;
    }
}

// The points on the line and the stations off it at either end.
void finishTrain(GraphTrain &train, std::vector<Stop> &stops)
{
    keepOneOfEachEvent(stops);
    putInTimeOrder(stops);
    train.points.reserve(qsizetype(stops.size()));
    for (const Stop &stop : stops) {
        if (stop.row < 0) {
            if (train.points.isEmpty())
                train.comesFrom = *stop.station; // the last one before the line
            else if (train.goesTo.isEmpty())
                train.goesTo = *stop.station; // the first one after it
            continue;
        }
        train.goesTo.clear();
        train.points.append({stop.minute, stop.row, stop.event, stop.timetable, stop.line});
    }
    const int shift = train.points.isEmpty() ? 0 : train.points.first().minute / kMinutesPerDay * kMinutesPerDay;
    for (GraphPoint &point : train.points)
        point.minute -= shift;
}

// Joins the records of the timetables into trains. The stops of all trains
// are gathered in one list and taken apart by train at the end, so that a
// graph of many timetables costs few allocations.
class TrainJoiner {
public:
    explicit TrainJoiner(const std::vector<std::vector<int>> &rowOf) : m_rowOf(rowOf), m_byNumber(kNumbers, -1) {}

    void add(int timetable, const TimetableStatements &statements)
    {
        for (int i = 0; i < statements.trains.size(); ++i) {
            const StatedTrain &stated = statements.trains[i];
            const bool joins = statements.trainWithNumber(stated.number) == i;
            const int index = joins ? m_byNumber[stated.number] : -1;
            addRecord(index >= 0 ? index : newTrain(stated, joins), timetable, statements, stated);
        }
    }

    QList<GraphTrain> finish()
    {
        // A stable counting sort of the stops by train keeps each train's in timetable order.
        std::vector<std::size_t> first(m_trains.size() + 1, 0);
        for (const auto &[train, stop] : m_stops)
            ++first[std::size_t(train) + 1];
        std::partial_sum(first.begin(), first.end(), first.begin());
        std::vector<Stop> sorted(m_stops.size());
        std::vector<std::size_t> next(first.begin(), first.end() - 1);
        for (const auto &[train, stop] : m_stops)
            sorted[next[std::size_t(train)]++] = stop;
        QList<GraphTrain> trains;
        std::vector<Stop> stops;
        for (qsizetype i = 0; i < m_trains.size(); ++i) {
            stops.assign(sorted.begin() + std::ptrdiff_t(first[i]), sorted.begin() + std::ptrdiff_t(first[i + 1]));
            finishTrain(m_trains[i], stops);
            if (!m_trains[i].points.isEmpty())
                trains.append(std::move(m_trains[i]));
        }
        std::stable_sort(trains.begin(), trains.end(), [](const GraphTrain &a, const GraphTrain &b) {
            return std::pair(a.points.first().minute, a.number) < std::pair(b.points.first().minute, b.number);
        });
        return trains;
    }

private:
    static constexpr int kNumbers = 100000; // five digits

    int newTrain(const StatedTrain &stated, bool joins)
    {
        GraphTrain train;
        train.number = stated.number;
        train.typeIndex = stated.typeIndex;
        train.typeCode[0] = stated.typeCode[0];
        train.typeCode[1] = stated.typeCode[1];
        if (joins)
            m_byNumber[stated.number] = int(m_trains.size());
        m_trains.append(train);
        return int(m_trains.size() - 1);
    }

    void addRecord(int index, int timetable, const TimetableStatements &statements, const StatedTrain &stated)
    {
        if (timetable == 0)
            m_trains[index].documentLine = stated.line;
        for (const Statement &s : stated) {
            m_stops.push_back({index, Stop{s.minute, m_rowOf[timetable][s.station], &statements.stations[s.station],
                                           s.event, timetable, stated.line, s.station == 0}});
        }
    }

    const std::vector<std::vector<int>> &m_rowOf;
    QList<GraphTrain> m_trains;
    std::vector<std::pair<int, Stop>> m_stops; // by train index
    std::vector<int> m_byNumber;               // train index of each joined number, -1 for none
};

} // namespace

QList<GraphTrain> graphTrains(const QList<TimetableStatements> &timetables, const std::vector<std::vector<int>> &rowOf)
{
    TrainJoiner joiner(rowOf);
    for (int t = 0; t < timetables.size(); ++t)
        joiner.add(t, timetables[t]);
    return joiner.finish();
}

} // namespace tgx
