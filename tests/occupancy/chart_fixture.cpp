#include "chart_fixture.h"

#include <QScrollBar>
#include <QTest>

#include <cmath>

namespace tgx::test {

OccupancyPlan samplePlan()
{
    using enum TrainCategory;
    OccupancyPlan plan;
    // Line, number, type, stored type code, category, conflict; the chart
    // needs nothing of the track and the times.
    auto train = [](int line, int number, int typeIndex, TrainCategory category, bool inConflict) {
        PlannedTrain planned;
        planned.line = line;
        planned.number = number;
        planned.typeIndex = typeIndex;
        planned.category = category;
        planned.inConflict = inConflict;
        return planned;
    };
    plan.trains = {train(kOs, 4521, 8, Passenger, true), train(kPn, 60001, 14, Freight, true),
                   train(kLv, 1, 18, Locomotive, false), train(kEx, 120, 4, Passenger, false),
                   train(kR, 800, 5, Passenger, false),  train(kMn, 3, 16, Freight, false),
                   train(kOther, 5, -1, Other, false)};
    plan.trains.back().typeCode[0] = plan.trains.back().typeCode[1] = u'9';
    // Bars: train index, first and last minute, estimated first and last minute.
    plan.rows = {{u'1', {{2, 0, 15, 0, -1}, {0, 420, 440, 0, -1}, {1, 430, 460, 451, 460}, {2, 1430, 1439, 0, -1}}},
                 {u'2', {{4, 300, 540, 0, -1}, {5, 360, 365, 0, -1}, {3, 600, 600, 0, -1}}},
                 {u'X', {{6, 900, 1000, 900, 909}}}};
    return plan;
}

QPoint pointAt(const OccupancyChart &chart, int row, double minute, int lane)
{
    const ChartFrame frame = chart.frame();
    // Row -1 stands for the hour labels above the rows.
    const int rowTop = row < 0 ? ChartLayout::kHeaderHeight - ChartLayout::kRowHeight : frame.rowTop(row);
    const int laneTop = rowTop + lane * (ChartLayout::kBarHeight + ChartLayout::kLaneGap);
    return QPoint(int(std::floor(frame.grid.x(minute + 0.5))), laneTop + ChartLayout::kRowHeight / 2);
}

ChartFixture::ChartFixture(const FileStore *store)
    : chart(prompts, guard, store ? *store : disk)
{
    chart.setPlan(samplePlan());
}

bool ChartFixture::show(QSize viewportSize)
{
    chart.show();
    if (!QTest::qWaitForWindowExposed(&chart))
        return false;
    chart.resize(chart.size() + viewportSize - chart.viewport()->size());
    return chart.viewport()->size() == viewportSize;
}

void ChartFixture::zoomInAround(int minute)
{
    pressKey(Qt::Key_Plus, 20);
    QScrollBar *bar = chart.horizontalScrollBar();
    bar->setValue(int(std::lround((minute - visibleSpan() / 2) * chart.frame().grid.pixelsPerMinute())));
}

void ChartFixture::pressKey(int key, int times, Qt::KeyboardModifiers modifiers)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(&chart, Qt::Key(key), modifiers);
}

} // namespace tgx::test
