#pragma once

#include "line/cross_findings.h"
#include "line/graph_trains.h"
#include "line/line_graph.h"

#include <QList>

#include <vector>

namespace tgx {

// Draws up the graph of one line for a document and the timetables loaded
// beside it, again at every change of the document. What the loaded
// timetables give (their trains joined by number and put on the line) is
// worked out once per reading of them, and a document's train whose record
// and partners are unchanged is taken from the graph before, so that a
// change costs little more than the document alone.
class LineGraphBuilder {
public:
    // The line (an index in railLines()) and the loaded timetables of
    // simulators other than the document's, in order.
    void setLoaded(int line, QList<TimetableStatements> loaded);

    // The graph of the line for document (timetable 0) and the loaded
    // timetables (1 on): a train is marked when findings[t] of timetable t
    // holds a line of one of its records.
    LineGraph build(const TimetableStatements &document, const QList<CrossTimetableFindings> &findings);

private:
    // The records of the loaded timetables that make one train: those of one
    // number held once by each timetable, or one record of a number that a
    // timetable holds several times.
    struct Group {
        StatedTrain first; // the record the train is named after
        std::vector<TrainStop> stops;
        GraphTrain train;    // the train without the document
        int drawnFor = -1;   // the first row's place train was drawn for
    };
    // A train of the document as the last build drew it.
    struct Built {
        StatedTrain record;
        int group = -1;
        GraphTrain train;
        bool drawn = false;
    };

    void groupLoaded();
    const GraphTrain &groupTrain(Group &group);
    std::pair<int, int> placesNamed(const std::vector<int> &documentPlaces) const;
    std::vector<GraphTrain> documentTrains(const TimetableStatements &document, const std::vector<int> &places);
    const GraphTrain &documentTrain(const TimetableStatements &document, int index, int group,
                                    const std::vector<int> &places);
    QStringList ownStations(const TimetableStatements &document) const;

    QStringList m_line; // its stations; empty for no line
    QList<TimetableStatements> m_loaded;
    std::vector<std::vector<int>> m_places; // of each loaded timetable's stations on the line
    std::vector<Group> m_groups;            // in the order the timetables first name them
    std::vector<int> m_groupOf;             // per number, the group a document's train joins; -1 for none
    int m_first = -1;                       // the first row's place the trains were drawn for
    QStringList m_documentStations;         // those the document's trains were drawn with
    std::vector<Built> m_built;             // the document's trains, by index
    std::vector<TrainStop> m_stops;         // reused for each train
};

} // namespace tgx
