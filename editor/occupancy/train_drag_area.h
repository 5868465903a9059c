#pragma once

#include "editing/train_drag.h"
#include "occupancy/day_scroll_area.h"

#include <optional>

namespace tgx {

// A view of the day whose trains are clicked, double-clicked and dragged
// sideways with the left mouse button: the chart and the line's graph. It
// turns the mouse into the signals below and Escape into cancelling a drag;
// the view only says which train of the document lies at a point and shows
// how far the drag has moved it.
class TrainDragArea : public DayScrollArea {
    Q_OBJECT

public:
    using DayScrollArea::DayScrollArea;

signals:
    // A click on a train selected the train of this document line.
    void trainClicked(int line);
    // A double-click on the train of this document line.
    void trainDoubleClicked(int line);
    // The train of this document line was dragged sideways by whole minutes (never 0).
    void trainDragged(int line, int minutes);

protected:
    // The document line of the train at pos in the viewport, if any.
    virtual std::optional<int> trainLineAt(QPoint pos) const = 0;
    // Shows the train of line as the selected one; emits nothing.
    virtual void selectTrainLine(int line) = 0;
    // Shows the dragged train moved by minutes (0: where it stands).
    virtual void showDragShift(int minutes) = 0;
    // Ends a drag without a move, as when what the view shows changes.
    void cancelDrag() { m_drag.cancel(); }

    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    std::optional<int> leftButtonTrain(QMouseEvent *event) const;

    TrainDrag m_drag;
};

} // namespace tgx
