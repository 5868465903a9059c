#pragma once

#include "linegraph/graph_content.h"
#include "linegraph/graph_frame.h"
#include "occupancy/train_drag_area.h"

#include <QFont>
#include <QPixmap>

#include <functional>
#include <tuple>
#include <optional>

namespace tgx {

class ErrorGuard;
class FileStore;
class Prompts;

// The line's train graph `L5`: the stations top to bottom, the day left to
// right, each train a line. It paints the graph it is given and maps the
// mouse back to trains: a click selects a train of the document, a
// double-click edits it, dragging it sideways moves it in time (Escape
// cancels). Zooms and scrolls as the track chart does, down to minutes.
class LineGraphView : public TrainDragArea {
    Q_OBJECT

public:
    LineGraphView(Prompts &prompts, ErrorGuard &guard, const FileStore &store, QWidget *parent = nullptr);

    // Shows graph; keeps the zoom, the scroll position and the selected line.
    void setGraph(LineGraph graph);
    const GraphContent &content() const { return m_content; }
    void setSelectedLine(std::optional<int> line);
    // Scrolls, where needed, so that the selected train's line shows; keeps the zoom.
    void showSelectedTrain();
    // Where the tooltip over a train gets its text, by the train's index in the graph.
    void setToolTipOf(std::function<QString(int train)> toolTipOf);

    // What the view shows now, in the viewport's coordinates.
    GraphFrame frame() const;
    // The index of the train whose line passes at pos, or -1.
    int trainAt(QPoint pos) const;

    // "Uložit obrázek...": saves the whole day at the current zoom as a PNG
    // or PDF picture. Throws Failure when the file cannot be written.
    void saveImage();

protected:
    int contentHeight() const override;
    int verticalStep() const override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    std::optional<int> trainLineAt(QPoint pos) const override;
    void selectTrainLine(int line) override { setSelectedLine(line); }
    void showDragShift(int minutes) override;

private:
    void createSaveAction();
    double yScale() const;
    void paintUnselectedLayer(const GraphFrame &now, const QFont &font);

    Prompts &m_prompts;
    ErrorGuard &m_guard;
    const FileStore &m_store;
    GraphContent m_content;
    std::function<QString(int)> m_toolTipOf;
    // Everything but the selected train as last painted, and for what: a
    // drag repaints only the train it moves.
    QPixmap m_unselected;
    std::tuple<quint64, QSize, double, double, double, int, QFont, qreal> m_unselectedFor;
};

} // namespace tgx
