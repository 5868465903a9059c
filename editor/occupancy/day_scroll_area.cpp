#include "occupancy/day_scroll_area.h"

#include <QFontInfo>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace tgx {

namespace {

constexpr double kZoomStep = 1.25;     // one wheel notch or key press
constexpr double kNotchesPerView = 10; // wheel notches that scroll one view's width sideways
constexpr int kWheelNotch = 120;       // angle delta of one wheel notch

} // namespace

DayScrollArea::DayScrollArea(int column, int header, TimeWindow window, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_column(column)
    , m_header(header)
    , m_window(window)
{
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

double DayScrollArea::timeAreaWidth() const
{
    return std::max(1, viewport()->width() - m_column);
}

QFont DayScrollArea::viewFont() const
{
    QFont pixelSized = font();
    pixelSized.setPixelSize(QFontInfo(font()).pixelSize());
    return pixelSized;
}

void DayScrollArea::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void DayScrollArea::updateScrollBars()
{
    m_settingScrollBars = true;
    const double pixelsPerMinute = timeAreaWidth() / m_window.span();
    QScrollBar *sideways = horizontalScrollBar();
    sideways->setRange(0, int(std::lround((kMinutesPerDay - m_window.span()) * pixelsPerMinute)));
    sideways->setPageStep(int(timeAreaWidth()));
    sideways->setSingleStep(std::max(1, int(timeAreaWidth() / kNotchesPerView)));
    sideways->setValue(int(std::lround(m_window.left() * pixelsPerMinute)));
    const int rowsHeight = rowsAreaHeight();
    QScrollBar *down = verticalScrollBar();
    down->setRange(0, std::max(0, contentHeight() - rowsHeight));
    down->setPageStep(rowsHeight);
    down->setSingleStep(verticalStep());
    m_settingScrollBars = false;
}

void DayScrollArea::bringIntoView(double first, double last)
{
    if (last < m_window.left() || first > m_window.left() + m_window.span())
        m_window.scrollTo(first - m_window.span() / 4);
    updateScrollBars();
}

void DayScrollArea::zoomIntoView(double first, double end, double around, double legibleWidth)
{
    m_window.bringIntoView(first, end, around, timeAreaWidth(), legibleWidth);
    updateScrollBars();
}

int DayScrollArea::rowsAreaHeight() const
{
    return std::max(0, viewport()->height() - m_header - footerHeight());
}

void DayScrollArea::scrollContentsBy(int dx, int)
{
    if (dx != 0 && !m_settingScrollBars)
        m_window.scrollTo(horizontalScrollBar()->value() / (timeAreaWidth() / m_window.span()));
    viewport()->update();
}

void DayScrollArea::zoom(double factor, double anchorX)
{
    const double anchor = std::clamp((anchorX - m_column) / timeAreaWidth(), 0.0, 1.0);
    m_window.zoom(factor, anchor);
    updateScrollBars();
    viewport()->update();
}

void DayScrollArea::scrollSideways(double notches)
{
    m_window.scrollTo(m_window.left() - notches * m_window.span() / kNotchesPerView);
    updateScrollBars();
    viewport()->update();
}

void DayScrollArea::wheelEvent(QWheelEvent *event)
{
    const QPoint delta = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        zoom(std::pow(kZoomStep, delta.y() / double(kWheelNotch)), event->position().x());
    } else if (event->position().x() < m_column && delta.x() == 0 && !(event->modifiers() & Qt::ShiftModifier)) {
        verticalScrollBar()->setValue(verticalScrollBar()->value() - delta.y() * verticalStep() / kWheelNotch);
    } else {
        scrollSideways((delta.x() != 0 ? delta.x() : delta.y()) / double(kWheelNotch));
    }
    event->accept();
}

void DayScrollArea::keyPressEvent(QKeyEvent *event)
{
    // "+" may need Shift, and Ctrl++ and the keypad count as well; "=" shares the key with "+" on many keyboards.
    const bool plain = !(event->modifiers() & ~(Qt::ControlModifier | Qt::ShiftModifier | Qt::KeypadModifier));
    const int key = event->key();
    if (plain && (key == Qt::Key_Plus || key == Qt::Key_Equal || key == Qt::Key_Minus)) {
        zoom(key == Qt::Key_Minus ? 1 / kZoomStep : kZoomStep, m_column + timeAreaWidth() / 2);
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

} // namespace tgx
