#pragma once

#include "occupancy/chart_content.h"
#include "occupancy/chart_frame.h"
#include "occupancy/time_grid.h"

#include <QAbstractScrollArea>

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
class OccupancyChart : public QAbstractScrollArea {
    Q_OBJECT

public:
    OccupancyChart(Prompts &prompts, ErrorGuard &guard, const FileStore &store, QWidget *parent = nullptr);

    // Shows plan from the next repaint on; keeps the zoom, the scroll
    // position and the selected line. Cheap enough for every keystroke.
    void setPlan(OccupancyPlan plan);
    // Highlights the bars of the train on line (none for nothing); emits nothing.
    void setSelectedLine(std::optional<int> line);
    std::optional<int> selectedLine() const { return m_content.selectedLine(); }
    // Scrolls, where needed, so that a bar of the selected train shows.
    void showSelectedTrain();
    // Where the tooltip over a bar gets its text: the summary line of a document line.
    void setSummaryOf(std::function<QString(int line)> summaryOf);

    // What the view shows now, in the viewport's coordinates.
    ChartFrame frame() const;
    // The document line of the train whose bar is at pos in the viewport.
    std::optional<int> lineAt(QPoint pos) const;

    // "Uložit obrázek..." (`H0`): saves the whole day at the current zoom as
    // a PNG or PDF picture. Throws Failure when the file cannot be written.
    void H0Click();

signals:
    // A click on a bar selected the train of this document line.
    void trainClicked(int line);
    // A double-click on a bar of the train of this document line.
    void trainDoubleClicked(int line);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    void createSaveAction();
    void zoom(double factor, double anchorX);
    void scrollSideways(double notches);
    void updateScrollBars();
    void showToolTip(const QPoint &pos, const QPoint &globalPos);
    const OccupancyBar *barAt(QPoint pos, int *row = nullptr) const;
    double timeAreaWidth() const;
    QFont chartFont() const;

    Prompts &m_prompts;
    ErrorGuard &m_guard;
    const FileStore &m_store;
    ChartContent m_content;
    TimeWindow m_window;
    std::function<QString(int)> m_summaryOf;
    bool m_settingScrollBars = false; // the scroll bars follow m_window, not the other way round
};

} // namespace tgx
