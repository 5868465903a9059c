#pragma once

#include "line/timetable_statements.h"

#include <QList>
#include <QString>

namespace tgx {

// One station of the graph, a row across the day.
struct GraphRow {
    QString station;
    double y = 0;        // from 0 for the first row, growing downwards
    bool strong = false; // the own station of one of the timetables
};

// A point of a train's polyline: one statement on the graph's line.
struct GraphPoint {
    // Minutes from 00:00 of the day the train's first point lies in: the
    // first point within 0 to 1439, each later one no earlier than the one
    // before, so that a train running through midnight goes on past 1439 (the
    // painter draws it again one day to the left, from the day's left edge).
    int minute = 0;
    int row = 0; // index in LineGraph::rows
    StationEvent event = StationEvent::Departure;
    int timetable = 0; // index of the timetable the statement came from
    int line = 0;      // that timetable's document line
};

// One train of the graph: the statements of its number, joined across the
// timetables, on the stations of the line. A number that several lines of
// one timetable hold is not joined: each of those records is a train of its
// own.
struct GraphTrain {
    int number = 0;
    int typeIndex = -1; // index in trainTypes(), -1 for a code outside the table
    QChar typeCode[2];  // the stored type code
    QList<GraphPoint> points; // in time order; at least one
    // The station off the line the train comes from before its first point,
    // or goes to after its last one; empty when it starts or ends on the line.
    QString comesFrom;
    QString goesTo;
    // The train's line in the document (timetable 0); 0 when only loaded
    // timetables hold it.
    int documentLine = 0;
    // A line of one of its records has a finding against another timetable.
    bool hasFinding = false;
    bool ofDocument() const { return documentLine > 0; }
};

// The train graph of one line for a set of timetables, the document first: a
// plain value the view paints. Rows run from the first to the last station of
// the line that any of the timetables names (its own station or one of its
// neighbours), in the line's order; a train with no point on them is left out.
struct LineGraph {
    // The distance between two neighbouring rows is the shortest running time
    // between them that any train gives (a run over several rows shares its
    // time among the gaps no train gives a time for), in pixels at the
    // unzoomed scale, at least kMinimumGap; kFixedGap where no train runs.
    static constexpr double kPixelsPerMinute = 6;
    static constexpr double kMinimumGap = 24;
    static constexpr double kFixedGap = 60;

    QList<GraphRow> rows;
    QList<GraphTrain> trains; // ordered by first point's minute, then number

    double height() const { return rows.isEmpty() ? 0 : rows.last().y; }
};

// The graph of railLines()[line] for timetables, timetables[0] being the
// document and the others the loaded ones, with the trains that have
// findings across the timetables marked. An index outside railLines() gives
// an empty graph.
LineGraph lineGraph(int line, const QList<TimetableStatements> &timetables);

} // namespace tgx
