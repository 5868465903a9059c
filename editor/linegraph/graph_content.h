#pragma once

#include "line/line_graph.h"
#include "linegraph/graph_train_pen.h"

#include <QFont>
#include <QList>
#include <QPointF>
#include <QStaticText>

#include <optional>
#include <vector>
#include <utility>

namespace tgx {

struct GraphFrame;

// The graph the view draws, with what painting and hit tests need on top of
// it, worked out once per graph rather than at every painting: each train's
// pen and its label, the selected train and how far it is being dragged, and
// for every train the latest last minute among it and those before it, so
// that the trains at some time are found by binary search.
class GraphContent {
public:
    void setGraph(LineGraph graph);
    const LineGraph &graph() const { return m_graph; }
    bool hasFinding(int train) const { return m_graph.trains[train].hasFinding; }

    // The pens a train that is neither selected nor dragged is drawn with:
    // the index of the train's among them.
    const QList<GraphTrainPen> &plainPens() const { return m_plainPens; }
    int plainPen(int train) const { return m_plainPenOf[train]; }
    // The train's type and number laid out in font, once for all paintings.
    const QStaticText &label(int train, const QFont &font) const;

    // Selects the document's train on line (none for nothing).
    void setSelectedLine(std::optional<int> line);
    std::optional<int> selectedLine() const { return m_selectedLine; }
    int selectedTrain() const { return m_selectedTrain; } // -1 for none
    // Grows whenever the graph or the selected train changes.
    quint64 revision() const { return m_revision; }
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

    void preparePens();

    LineGraph m_graph;
    QList<GraphTrainPen> m_plainPens;
    QList<int> m_plainPenOf;
    // Made and laid out when first painted, again when the font changes.
    mutable std::vector<std::optional<QStaticText>> m_labels;
    mutable QFont m_labelFont;
    QList<int> m_reach; // per train: the latest last minute of it and those before it
    std::optional<int> m_selectedLine;
    int m_selectedTrain = -1;
    quint64 m_revision = 0;
    int m_dragShift = 0;
};

} // namespace tgx
