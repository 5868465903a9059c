#include "line/graph_trains.h"

#include "trains/decoded_record.h"

#include <algorithm>
#include <vector>

namespace tgx {

namespace {

// Arrivals before departures in one minute: a train stands, then leaves.
bool earlier(const TrainStop &a, const TrainStop &b)
{
    return a.minute != b.minute ? a.minute < b.minute : a.event == StationEvent::Arrival && b.event != a.event;
}

// Where several timetables state one event of one station of the line, the
// one whose own station it is speaks for it, else the first of them.
void keepOneOfEachEvent(std::vector<TrainStop> &stops)
{
    std::size_t kept = 0;
    for (const TrainStop &stop : stops) {
        const auto end = stops.begin() + std::ptrdiff_t(kept);
        const auto same = std::find_if(stops.begin(), end, [&](const TrainStop &k) {
            return stop.place >= 0 && k.place == stop.place && k.event == stop.event;
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
void putInTimeOrder(std::vector<TrainStop> &stops)
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

} // namespace

void appendStops(std::vector<TrainStop> &stops, int timetable, const TimetableStatements &statements,
                 const StatedTrain &train, const std::vector<int> &placeOf)
{
    for (const Statement &s : train) {
        stops.push_back({s.minute, placeOf[s.station], &statements.stations[s.station], s.event, timetable, train.line,
                         s.station == 0});
    }
}

GraphTrain finishedTrain(const StatedTrain &stated, std::vector<TrainStop> &stops, int first)
{
    GraphTrain train;
    train.number = stated.number;
    train.typeIndex = stated.typeIndex;
    train.typeCode[0] = stated.typeCode[0];
    train.typeCode[1] = stated.typeCode[1];
    keepOneOfEachEvent(stops);
    putInTimeOrder(stops);
    train.points.reserve(qsizetype(stops.size()));
    for (const TrainStop &stop : stops) {
        if (stop.place < 0) {
            if (train.points.isEmpty())
                train.comesFrom = *stop.station; // the last one before the line
            else if (train.goesTo.isEmpty())
                train.goesTo = *stop.station; // the first one after it
            continue;
        }
        train.goesTo.clear();
        train.points.append({stop.minute, stop.place - first, stop.event, stop.timetable, stop.line});
    }
    const int shift = train.points.isEmpty() ? 0 : train.points.first().minute / kMinutesPerDay * kMinutesPerDay;
    for (GraphPoint &point : train.points)
        point.minute -= shift;
    return train;
}

} // namespace tgx
