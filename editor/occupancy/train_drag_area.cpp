#include "occupancy/train_drag_area.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace tgx {

std::optional<int> TrainDragArea::leftButtonTrain(QMouseEvent *event) const
{
    return event->button() == Qt::LeftButton ? trainLineAt(event->position().toPoint()) : std::nullopt;
}

void TrainDragArea::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_drag.active()) {
        m_drag.cancel();
        showDragShift(0);
        event->accept();
        return;
    }
    DayScrollArea::keyPressEvent(event);
}

// A click beside the trains leaves the selection as it is.
void TrainDragArea::mousePressEvent(QMouseEvent *event)
{
    const auto line = leftButtonTrain(event);
    if (!line) {
        DayScrollArea::mousePressEvent(event);
        return;
    }
    selectTrainLine(*line);
    emit trainClicked(*line);
    m_drag.start(*line, grid().minuteAt(event->position().x()));
}

void TrainDragArea::mouseMoveEvent(QMouseEvent *event)
{
    if (m_drag.active() && m_drag.moveTo(grid().minuteAt(event->position().x())))
        showDragShift(m_drag.minutes());
    DayScrollArea::mouseMoveEvent(event);
}

void TrainDragArea::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_drag.active()) {
        DayScrollArea::mouseReleaseEvent(event);
        return;
    }
    const auto move = m_drag.finish();
    showDragShift(0);
    if (move)
        emit trainDragged(move->line, move->minutes);
}

void TrainDragArea::mouseDoubleClickEvent(QMouseEvent *event)
{
    const auto line = leftButtonTrain(event);
    if (!line) {
        DayScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    selectTrainLine(*line);
    emit trainDoubleClicked(*line);
}

} // namespace tgx
