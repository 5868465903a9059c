#pragma once

#include "occupancy/chart_content.h"
#include "occupancy/chart_frame.h"
#include "occupancy/train_drag_area.h"

#include <functional>
#include <optional>

namespace tgx {

class ErrorGuard;
class FileStore;
class Prompts;

// The track occupancy chart `G9`: a row for each track, the day running left
// to right, a bar for each stretch a train holds its track. It only shows a
// plan and maps clicks back to document lines; the main window gives it the
// plan at every change of the document and keeps its selection in step with
// the train list's. Ctrl+wheel and the + and - keys zoom between the whole
// day and about two hours; the scroll bar and the wheel move sideways.
// Dragging a bar sideways moves its train in time (Escape cancels).
class OccupancyChart : public TrainDragArea {
    Q_OBJECT

public:
    OccupancyChart(Prompts &prompts, ErrorGuard &guard, const FileStore &store, QWidget *parent = nullptr);

    // Shows plan from the next repaint on; keeps the zoom, the scroll
    // position and the selected line. Cheap enough for every keystroke.
    void setPlan(OccupancyPlan plan);
    // Highlights the bars of the train on line (none for nothing); emits nothing.
    void setSelectedLine(std::optional<int> line);
    std::optional<int> selectedLine() const { return m_content.selectedLine(); }
    // Highlights the trains on lines, the first as the selected one, and
    // scrolls them into view, zooming in when they would be hard to make
    // out or out when they do not fit; emits nothing.
    void showTrains(const QList<int> &lines);
    // The lines of the trains outlined as selected, the selected one first.
    const QList<int> &selectedLines() const { return m_content.selectedLines(); }
    // Scrolls, where needed, so that a bar of the selected train shows; keeps the zoom.
    void showSelectedTrain();
    // Where the tooltip over a bar gets its first line: the summary line of
    // a document line. The train's findings follow it.
    void setSummaryOf(std::function<QString(int line)> summaryOf);

    // What the view shows now, in the viewport's coordinates.
    ChartFrame frame() const;
    // The document line of the train whose bar is at pos in the viewport.
    std::optional<int> lineAt(QPoint pos) const;

    // "Uložit obrázek..." (`H0`): saves the whole day at the current zoom as
    // a PNG or PDF picture. Throws Failure when the file cannot be written.
    void H0Click();

protected:
    int contentHeight() const override;
    int verticalStep() const override;
    int footerHeight() const override;
    void paintEvent(QPaintEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    std::optional<int> trainLineAt(QPoint pos) const override { return lineAt(pos); }
    void selectTrainLine(int line) override { setSelectedLine(line); }
    void showDragShift(int minutes) override;

private:
    void createSaveAction();
    void bringTrainsIntoView(const QList<std::pair<int, OccupancyBar>> &bars);
    void showRowsOf(const QList<std::pair<int, OccupancyBar>> &bars);
    void showToolTip(const QPoint &pos, const QPoint &globalPos);
    const OccupancyBar *barAt(QPoint pos, int *row = nullptr) const;

    Prompts &m_prompts;
    ErrorGuard &m_guard;
    const FileStore &m_store;
    ChartContent m_content;
    std::function<QString(int)> m_summaryOf;
};

} // namespace tgx
