#include "chart_fixture.h"

#include <QScrollBar>
#include <QTest>

#include <cmath>

namespace tgx::test {

namespace {

PlannedTrain train(int line, int typeIndex, int number, TrainCategory category, bool inConflict = false)
{
    PlannedTrain planned;
    planned.line = line;
    planned.typeIndex = typeIndex;
    planned.number = number;
    planned.category = category;
    planned.inConflict = inConflict;
    return planned;
}

OccupancyBar bar(int trainIndex, int first, int last, int estimatedFirst = 0, int estimatedLast = -1)
{
    return {trainIndex, first, last, estimatedFirst, estimatedLast};
}

} // namespace

OccupancyPlan samplePlan()
{
    OccupancyPlan plan;
    PlannedTrain other = train(kOther, -1, 5, TrainCategory::Other);
    other.typeCode[0] = u'9';
    other.typeCode[1] = u'9';
    plan.trains = {train(kOs, 8, 4521, TrainCategory::Passenger, true),
                   train(kPn, 14, 60001, TrainCategory::Freight, true),
                   train(kLv, 18, 1, TrainCategory::Locomotive),
                   train(kEx, 4, 120, TrainCategory::Passenger),
                   train(kR, 5, 800, TrainCategory::Passenger),
                   train(kMn, 16, 3, TrainCategory::Freight),
                   other};
    plan.rows = {{u'1', {bar(2, 0, 15), bar(0, 420, 440), bar(1, 430, 460, 451, 460), bar(2, 1430, 1439)}},
                 {u'2', {bar(4, 300, 540), bar(5, 360, 365), bar(3, 600, 600)}},
                 {u'X', {bar(6, 900, 1000, 900, 909)}}};
    return plan;
}

const FileStore &ChartFixture::disk()
{
    static const DiskFileStore store;
    return store;
}

ChartFixture::ChartFixture(const FileStore &store)
    : chart(prompts, guard, store)
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

QPoint ChartFixture::at(int row, double minute) const
{
    const ChartFrame frame = chart.frame();
    return QPoint(int(std::floor(frame.grid.x(minute + 0.5))), frame.rowTop(row) + ChartLayout::kRowHeight / 2);
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

double ChartFixture::visibleSpan() const
{
    const ChartFrame frame = chart.frame();
    return (frame.size.width() - ChartLayout::kTrackColumnWidth) / frame.grid.pixelsPerMinute();
}

} // namespace tgx::test
