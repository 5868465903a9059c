#include "line/graph_trains.h"

#include "trains/decoded_record.h"

#include <QHash>

#include <algorithm>

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

// Where several timetables state one event of one station, the one whose own
// station it is speaks for it, else the first of them.
void keepOneOfEachEvent(QList<Stop> &stops)
{
    QList<Stop> kept;
    for (const Stop &stop : std::as_const(stops)) {
        const auto same = std::find_if(kept.begin(), kept.end(), [&](const Stop &k) {
            return k.event == stop.event && *k.station == *stop.station;
        });
        if (same == kept.end())
            kept.append(stop);
        else if (stop.own && !same->own)
            *same = stop;
    }
    stops = std::move(kept);
}

// Sorts stops along the train's way: by minute, starting after the longest
// pause of the day, which is when the train does not run; minutes after
// midnight then go on past 1439.
void putInTimeOrder(QList<Stop> &stops)
{
    std::stable_sort(stops.begin(), stops.end(), earlier);
    qsizetype start = 0;
    int longest = -1;
    for (qsizetype i = 0; i < stops.size(); ++i) {
        const int before = i > 0 ? stops[i - 1].minute : stops.last().minute - kMinutesPerDay;
        if (stops[i].minute - before > longest) {
            longest = stops[i].minute - before;
            start = i;
        }
    }
    std::rotate(stops.begin(), stops.begin() + start, stops.end());
    for (qsizetype i = 1; i < stops.size(); ++i) {
        if (stops[i].minute < stops[i - 1].minute)
            stops[i].minute += kMinutesPerDay;
    }
}

// The points on the line and the stations off it at either end.
void finishTrain(GraphTrain &train, QList<Stop> stops)
{
    keepOneOfEachEvent(stops);
    putInTimeOrder(stops);
    for (const Stop &stop : std::as_const(stops)) {
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

class TrainJoiner {
public:
    explicit TrainJoiner(const std::vector<std::vector<int>> &rowOf) : m_rowOf(rowOf) {}

    void add(int timetable, const TimetableStatements &statements)
    {
        for (int i = 0; i < statements.trains.size(); ++i) {
            const StatedTrain &stated = statements.trains[i];
            const bool joins = statements.trainWithNumber(stated.number) == i;
            const int index = joins ? int(m_byNumber.value(stated.number, -1)) : -1;
            addRecord(index >= 0 ? index : newTrain(stated, joins), timetable, statements, stated);
        }
    }

    QList<GraphTrain> finish()
    {
        QList<GraphTrain> trains;
        for (qsizetype i = 0; i < m_trains.size(); ++i) {
            finishTrain(m_trains[i], std::move(m_stops[i]));
            if (!m_trains[i].points.isEmpty())
                trains.append(std::move(m_trains[i]));
        }
        std::stable_sort(trains.begin(), trains.end(), [](const GraphTrain &a, const GraphTrain &b) {
            return std::pair(a.points.first().minute, a.number) < std::pair(b.points.first().minute, b.number);
        });
        return trains;
    }

private:
    int newTrain(const StatedTrain &stated, bool joins)
    {
        GraphTrain train;
        train.number = stated.number;
        train.typeIndex = stated.typeIndex;
        train.typeCode[0] = stated.typeCode[0];
        train.typeCode[1] = stated.typeCode[1];
        if (joins)
            m_byNumber.insert(stated.number, int(m_trains.size()));
        m_trains.append(train);
        m_stops.append(QList<Stop>());
        return int(m_trains.size() - 1);
    }

    void addRecord(int index, int timetable, const TimetableStatements &statements, const StatedTrain &stated)
    {
        if (timetable == 0)
            m_trains[index].documentLine = stated.line;
        for (const Statement &s : stated) {
            m_stops[index].append({s.minute, m_rowOf[timetable][s.station], &statements.stations[s.station], s.event,
                                   timetable, stated.line, s.station == 0});
        }
    }

    const std::vector<std::vector<int>> &m_rowOf;
    QList<GraphTrain> m_trains;
    QList<QList<Stop>> m_stops;
    QHash<int, int> m_byNumber;
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
