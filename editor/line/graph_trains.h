#pragma once

#include "line/line_graph.h"

#include <vector>

namespace tgx {

// A statement of a train on its way to becoming a point of the graph.
struct TrainStop {
    int minute = 0;                   // of the day
    int place = -1;                   // index of the station in the line, -1 for one off it
    const QString *station = nullptr; // its name, in the timetable's stations
    StationEvent event = StationEvent::Departure;
    int timetable = 0;
    int line = 0;
    bool own = false; // stated by the timetable whose own station it is
};

// Appends the stops of train, a record of timetable (statements), whose
// stations placeOf puts on the line (-1 for a station off it).
void appendStops(std::vector<TrainStop> &stops, int timetable, const TimetableStatements &statements,
                 const StatedTrain &train, const std::vector<int> &placeOf);

// The train of the graph with number and type of train, from the stops of
// its records in timetable order (which this reorders): its points, on rows
// counted from the line's station at place first, in time order, and the
// stations off the line at either end.
GraphTrain finishedTrain(const StatedTrain &train, std::vector<TrainStop> &stops, int first);

} // namespace tgx
