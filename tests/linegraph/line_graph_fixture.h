#pragma once

#include "app_fixture.h"
#include "timetable_records.h"

#include <QPoint>
#include <QScrollBar>
#include <QTest>

#include <cmath>

namespace tgx {
class LineGraphPage;
class LineGraphView;
class OccupancyChart;
} // namespace tgx

namespace tgx::test {

// Os 4521 from Česká Zálesí (07:05) through Hutky (07:12 to 07:13, track 1)
// to Vrbinov (07:40), as Hutky plans it, and the same train as Vrbinov plans
// it, from Hutky (07:13 + late) to Radlická.
QString hutkyTrain(const QString &arrival = QStringLiteral("1 0705 0712"),
                   const QString &departure = QStringLiteral("2 0713 0740"));
QStringList vrbinovTimetable(int late = 0);

// The document's text of timetable lines.
QString documentText(const QStringList &lines);
// Writes timetable lines to a file as the editor saves them.
void writeTimetable(const QString &path, const QStringList &lines);

LineGraphPage *graphPage(App &app);
LineGraphView *graphView(App &app);
OccupancyChart *chart(App &app);
// The rows of the findings pane, in order.
QStringList findingRows(App &app);
// The names the row above the graph shows for the loaded timetables, in order.
QStringList loadedNames(App &app);

// The viewport point of station's row at minute of the line's graph, at its current zoom and scroll.
QPoint graphPoint(App &app, const QString &station, double minute);
// Zooms a view of the day (the chart or the graph, whose fixed column is
// column wide) in to about four hours and scrolls minute to the middle.
template <typename View>
void zoomInAround(View *view, double minute, int column)
{
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(view, Qt::Key_Plus);
    const double ppm = view->frame().grid.pixelsPerMinute();
    const double width = view->viewport()->width() - column;
    view->horizontalScrollBar()->setValue(int(std::lround(minute * ppm - width / 2)));
}

} // namespace tgx::test
