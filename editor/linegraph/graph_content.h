#pragma once

#include "line/line_graph.h"

#include <QList>
#include <QPointF>

#include <optional>
#include <utility>

namespace tgx {

struct GraphFrame;

// The graph the view draws, with what painting and hit tests need on top of
// it: which trains have findings, the selected train and how far it is being
// dragged, and for every train the latest last minute among it and those
// before it, so that the trains at some time are found by binary search.
class GraphContent {
public:
    // withFinding: for each train of graph, whether a check across the
    // timetables found something about it.
    void setGraph(LineGraph graph, QList<bool> withFinding);
    const LineGraph &graph() const { return m_graph; }
    bool hasFinding(int train) const { return m_withFinding.value(train); }

    // Selects the document's train on line (none for nothing).
    void setSelectedLine(std::optional<int> line);
    std::optional<int> selectedLine() const { return m_selectedLine; }
    int selectedTrain() const { return m_selectedTrain; } // -1 for none
    // The minutes the selected train is being dragged by (0: no drag).
    void setDragShift(int minutes) { m_dragShift = minutes; }
    int dragShift() const { return m_selectedTrain >= 0 ? m_dragShift : 0; }

    // The trains that may have a point or a stretch between the minutes
    // first and last (past 1439 for the day after), as a range [begin, end).
    std::pair<qsizetype, qsizetype> trainsBetween(double first, double last) const;
    // The train whose line passes nearest to pos, within a few pixels, or -1.
    int trainAt(QPointF pos, const GraphFrame &frame) const;

private:
    void findSelectedTrain();
    double distance(int train, QPointF pos, const GraphFrame &frame, double dayOffset) const;

    LineGraph m_graph;
    QList<bool> m_withFinding;
    QList<int> m_reach; // per train: the latest last minute of it and those before it
    std::optional<int> m_selectedLine;
    int m_selectedTrain = -1;
    int m_dragShift = 0;
};

} // namespace tgx
