#pragma once

#include "document/error_guard.h"
#include "document/file_store.h"
#include "occupancy/occupancy_chart.h"
#include "scripted_prompts.h"

#include <QPoint>

namespace tgx::test {

// Lines of the sample plan's trains.
enum SampleLine {
    kOs = 31,       // Os 4521, passenger, track 1, 07:00-07:20, in conflict
    kPn = 32,       // Pn 60001, freight, track 1, 07:10-07:40 of which 07:31-07:40 estimated, in conflict
    kLv = 33,       // Lv 1, locomotive, track 1, 23:50 through midnight to 00:15
    kEx = 34,       // Ex 120, passenger, track 2, passing at 10:00
    kR = 35,        // R 800, passenger, track 2, 05:00-09:00
    kMn = 36,       // Mn 3, freight, track 2, 06:00-06:05, within R 800's bar
    kOther = 37,    // type code "99", track X, 15:00-16:40 of which 15:00-15:09 estimated
};

// Rows of the sample plan.
enum SampleRow { kTrack1, kTrack2, kTrackX, kSampleRows };

// A plan made by hand with the trains above: every kind of bar the chart draws.
OccupancyPlan samplePlan();

// The viewport point in the middle of minute in lane of row of chart, at its
// current zoom and scroll; row -1 is the hour labels.
QPoint pointAt(const OccupancyChart &chart, int row, double minute, int lane = 0);

// A chart with scripted prompts, shown on the offscreen screen.
struct ChartFixture {
    // store: where the chart saves pictures; the disk when not given.
    explicit ChartFixture(const FileStore *store = nullptr);

    // Shows the chart with a viewport of size; false when the viewport did not get it.
    bool show(QSize viewportSize = QSize(776, 160));
    QPoint at(int row, double minute) const { return pointAt(chart, row, minute); }
    // Zooms in as far as the chart goes and scrolls minute to the middle of the view.
    void zoomInAround(int minute);
    void pressKey(int key, int times = 1, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // The minute at x in the viewport; the minutes at the left and right end of the time area.
    double minuteAt(double x) const { return chart.frame().grid.minuteAt(x); }
    double leftMinute() const { return minuteAt(ChartLayout::kTrackColumnWidth); }
    double rightMinute() const { return minuteAt(chart.viewport()->width()); }
    double visibleSpan() const { return rightMinute() - leftMinute(); }

    ScriptedPrompts prompts;
    ErrorGuard guard{prompts};
    DiskFileStore disk;
    OccupancyChart chart;
};

} // namespace tgx::test
