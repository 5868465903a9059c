#pragma once

#include "occupancy/time_grid.h"

#include <QAbstractScrollArea>

namespace tgx {

// A view of the day left to right beside a fixed column, under a fixed row
// of times: the track chart and the line's graph. Ctrl+wheel and the + and -
// keys zoom between the whole day and the window's narrowest span; the
// scroll bar and the wheel move sideways; over the column the wheel moves
// the rows, should they not fit.
class DayScrollArea : public QAbstractScrollArea {
    Q_OBJECT

public:
    // column: the width of the fixed column at the left; header: the height
    // of the times above; window: the span the view starts with and its limits.
    DayScrollArea(int column, int header, TimeWindow window, QWidget *parent = nullptr);

protected:
    // The height of what lies below the times, and one step of it.
    virtual int contentHeight() const = 0;
    virtual int verticalStep() const = 0;
    // What stands below the rows and does not scroll with them (a legend).
    virtual int footerHeight() const { return 0; }

    // The grid of the time area at the current zoom and scroll.
    TimeGrid grid() const { return m_window.grid(m_column, timeAreaWidth()); }
    double timeAreaWidth() const;
    // The widget's font with a pixel size, which takes the same room on the
    // screen, in a PNG and in a PDF.
    QFont viewFont() const;
    // Scrolls minutes first..last of the day into view: what is partly on
    // screen stays where it is; the rest comes in with a quarter of the view
    // before it, so that what precedes it shows.
    void bringIntoView(double first, double last);
    // Zooms and scrolls so that minutes first..end of the day show with
    // around minutes on each side: in when they would be narrower than
    // legibleWidth pixels, out when they do not fit.
    void zoomIntoView(double first, double end, double around, double legibleWidth);
    // The height below the times that the rows have, above any footer.
    int rowsAreaHeight() const;
    // To be called when contentHeight() changed.
    void updateScrollBars();

    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void zoom(double factor, double anchorX);
    void scrollSideways(double notches);

    int m_column;
    int m_header;
    TimeWindow m_window;
    bool m_settingScrollBars = false; // the scroll bars follow m_window, not the other way round
};

} // namespace tgx
