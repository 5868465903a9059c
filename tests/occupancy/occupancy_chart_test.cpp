#include "chart_fixture.h"

#include <QApplication>
#include <QHelpEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

#include <cmath>

using namespace tgx;
using namespace tgx::test;

namespace {

constexpr int kTimeAreaWidth = 720; // the fixture's viewport less the track column

void sendWheel(QWidget *viewport, QPoint pos, QPoint angleDelta, Qt::KeyboardModifiers modifiers)
{
    QWheelEvent wheel(pos, viewport->mapToGlobal(pos), QPoint(), angleDelta, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
}

} // namespace

// The chart as a widget: its time axis, zooming and scrolling, finding the
// bar under the mouse, selection and its signals, and the tooltip.
class OccupancyChartTest : public QObject {
    Q_OBJECT

private slots:
    void zoomKeepsTheAnchoredMinuteWithinTheDay_data()
    {
        QTest::addColumn<double>("span");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("factor");
        QTest::addColumn<double>("anchor");
        QTest::addColumn<double>("newSpan");
        QTest::addColumn<double>("newLeft");

        QTest::newRow("in at the middle of the day") << 1440.0 << 0.0 << 2.0 << 0.5 << 720.0 << 360.0;
        QTest::newRow("in at a quarter") << 1440.0 << 0.0 << 4.0 << 0.25 << 360.0 << 270.0;
        QTest::newRow("in at the left edge") << 1440.0 << 0.0 << 2.0 << 0.0 << 720.0 << 0.0;
        QTest::newRow("in stops at two hours") << 150.0 << 600.0 << 4.0 << 0.5 << 120.0 << 615.0;
        QTest::newRow("out stops at the whole day") << 720.0 << 300.0 << 0.25 << 0.5 << 1440.0 << 0.0;
        QTest::newRow("out at the right edge") << 240.0 << 1200.0 << 0.5 << 1.0 << 480.0 << 960.0;
        QTest::newRow("out near the end stays in the day") << 240.0 << 1190.0 << 0.5 << 0.1 << 480.0 << 960.0;
    }
    void zoomKeepsTheAnchoredMinuteWithinTheDay()
    {
        QFETCH(double, span);
        QFETCH(double, left);
        QFETCH(double, factor);
        QFETCH(double, anchor);
        TimeWindow window;
        window.zoom(1440.0 / span, 0);
        window.scrollTo(left);
        QCOMPARE(window.span(), span);
        window.zoom(factor, anchor);
        QTEST(window.span(), "newSpan");
        QTEST(window.left(), "newLeft");
    }

    void gridPlacesMinutesAndBarsAtEveryZoom_data()
    {
        QTest::addColumn<double>("pixelsPerMinute");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("right");

        // The grid's origin (00:00) is at x = 100.
        QTest::newRow("whole day in 720 px") << 0.5 << 420 << 440 << 310.0 << 320.5;
        QTest::newRow("whole day, passing train") << 0.5 << 600 << 600 << 397.75 << 402.75;
        QTest::newRow("two hours in 720 px") << 6.0 << 420 << 440 << 2620.0 << 2746.0;
        QTest::newRow("two hours, passing train") << 6.0 << 600 << 600 << 3700.0 << 3706.0;
        QTest::newRow("last minute of the day") << 1.0 << 1439 << 1439 << 1537.0 << 1542.0;
    }
    void gridPlacesMinutesAndBarsAtEveryZoom()
    {
        QFETCH(double, pixelsPerMinute);
        QFETCH(int, first);
        QFETCH(int, last);
        const TimeGrid grid(100, pixelsPerMinute);
        const auto [left, right] = grid.barSpan(first, last);
        QTEST(left, "left");
        QTEST(right, "right");
        QVERIFY(right - left >= TimeGrid::kMinBarWidth);
        QCOMPARE(grid.minuteAt(grid.x(first)), double(first));
        QCOMPARE(grid.dayWidth(), 1440 * pixelsPerMinute);
    }

    void findsTheTrainUnderTheMouse_data()
    {
        QTest::addColumn<bool>("zoomedIn");
        QTest::addColumn<int>("row");
        QTest::addColumn<double>("minute");
        QTest::addColumn<int>("line"); // 0: none

        for (const bool zoomedIn : {false, true}) {
            const char *zoom = zoomedIn ? "two hours: " : "whole day: ";
            auto row = [&](const char *name) -> QTestData & { return QTest::newRow((QByteArray(zoom) + name).constData()) << zoomedIn; };
            row("a bar") << int(kTrack1) << 425.0 << int(kOs);
            row("overlap gives the later bar") << int(kTrack1) << 435.0 << int(kPn);
            row("estimated minutes") << int(kTrack1) << 455.0 << int(kPn);
            row("midnight train before midnight") << int(kTrack1) << 1435.0 << int(kLv);
            row("midnight train after midnight") << int(kTrack1) << 5.0 << int(kLv);
            row("empty space") << int(kTrack1) << 600.0 << 0;
            row("short bar inside a long one") << int(kTrack2) << 362.0 << int(kMn);
            row("long bar after a short one inside it") << int(kTrack2) << 500.0 << int(kR);
            row("passing train") << int(kTrack2) << 600.0 << int(kEx);
            row("other track") << int(kTrackX) << 950.0 << int(kOther);
        }
    }
    void findsTheTrainUnderTheMouse()
    {
        QFETCH(bool, zoomedIn);
        QFETCH(int, row);
        QFETCH(double, minute);
        QFETCH(int, line);
        ChartFixture f;
        QVERIFY(f.show());
        if (zoomedIn)
            f.zoomInAround(int(minute));
        QCOMPARE(f.chart.lineAt(f.at(row, minute)).value_or(0), line);
    }

    void nothingIsFoundInTheTrackColumnOrTheHourLabels()
    {
        ChartFixture f;
        QVERIFY(f.show());
        const QPoint onBar = f.at(kTrack1, 5);
        QVERIFY(f.chart.lineAt(onBar));
        QVERIFY(!f.chart.lineAt(QPoint(ChartLayout::kTrackColumnWidth - 1, onBar.y())));
        QVERIFY(!f.chart.lineAt(QPoint(onBar.x(), ChartLayout::kHeaderHeight - 1)));
        QVERIFY(!f.chart.lineAt(QPoint(onBar.x(), f.chart.frame().rowTop(kSampleRows) + 2)));
    }

    void wheelAndKeysZoomBetweenTheWholeDayAndTwoHours()
    {
        ChartFixture f;
        QVERIFY(f.show());
        QCOMPARE(f.visibleSpan(), 1440.0);
        f.pressKey(Qt::Key_Plus, 30);
        QCOMPARE(f.visibleSpan(), 120.0);
        QCOMPARE(f.chart.frame().grid.pixelsPerMinute(), kTimeAreaWidth / 120.0);
        sendWheel(f.chart.viewport(), f.at(kTrack1, 600), QPoint(0, -120 * 30), Qt::ControlModifier);
        QCOMPARE(f.visibleSpan(), 1440.0);
        QCOMPARE(f.chart.frame().grid.origin(), double(ChartLayout::kTrackColumnWidth));
    }

    void everyZoomKeyZooms_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("zoomsIn");

        QTest::newRow("+") << int(Qt::Key_Plus) << int(Qt::NoModifier) << true;
        QTest::newRow("Shift with +") << int(Qt::Key_Plus) << int(Qt::ShiftModifier) << true;
        QTest::newRow("keypad +") << int(Qt::Key_Plus) << int(Qt::KeypadModifier) << true;
        QTest::newRow("Ctrl++") << int(Qt::Key_Plus) << int(Qt::ControlModifier) << true;
        QTest::newRow("Ctrl+=") << int(Qt::Key_Equal) << int(Qt::ControlModifier) << true;
        QTest::newRow("-") << int(Qt::Key_Minus) << int(Qt::NoModifier) << false;
        QTest::newRow("keypad -") << int(Qt::Key_Minus) << int(Qt::KeypadModifier) << false;
        QTest::newRow("Ctrl+-") << int(Qt::Key_Minus) << int(Qt::ControlModifier) << false;
    }
    void everyZoomKeyZooms()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, zoomsIn);
        ChartFixture f;
        QVERIFY(f.show());
        f.pressKey(Qt::Key_Plus, 4);
        const double span = f.visibleSpan();
        const ChartFrame before = f.chart.frame();
        const double centre = ChartLayout::kTrackColumnWidth + kTimeAreaWidth / 2.0;
        f.pressKey(key, 1, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(f.visibleSpan() < span, zoomsIn);
        QCOMPARE(f.visibleSpan() > span, !zoomsIn);
        // The minute in the middle of the view stays there.
        QCOMPARE(f.chart.frame().grid.minuteAt(centre), before.grid.minuteAt(centre));
    }

    void ctrlWheelKeepsTheMinuteUnderTheMouse_data()
    {
        QTest::addColumn<double>("minute");
        QTest::addColumn<int>("notches"); // above 0 zooms in
        QTest::addColumn<int>("zoomedInFirst");

        QTest::newRow("in at 06:00") << 360.0 << 1 << 0;
        QTest::newRow("in at 20:30 by three notches") << 1230.0 << 3 << 0;
        QTest::newRow("out at 07:15") << 435.0 << -1 << 6;
        QTest::newRow("in at 12:00 from two hours") << 720.0 << 1 << 20;
    }
    void ctrlWheelKeepsTheMinuteUnderTheMouse()
    {
        QFETCH(double, minute);
        QFETCH(int, notches);
        QFETCH(int, zoomedInFirst);
        ChartFixture f;
        QVERIFY(f.show());
        f.pressKey(Qt::Key_Plus, zoomedInFirst);
        f.chart.horizontalScrollBar()->setValue(
            int((minute - f.visibleSpan() / 3) * f.chart.frame().grid.pixelsPerMinute()));
        const QPoint mouse = f.at(kTrack2, minute);
        const double under = f.chart.frame().grid.minuteAt(mouse.x());
        sendWheel(f.chart.viewport(), mouse, QPoint(0, 120 * notches), Qt::ControlModifier);
        QCOMPARE(std::abs(f.chart.frame().grid.minuteAt(mouse.x()) - under) < 1e-9, true);
    }

    void wheelAndScrollBarMoveSideways_data()
    {
        QTest::addColumn<QPoint>("angleDelta");
        QTest::addColumn<int>("modifiers");

        QTest::newRow("wheel") << QPoint(0, -120) << int(Qt::NoModifier);
        QTest::newRow("Shift+wheel") << QPoint(0, -120) << int(Qt::ShiftModifier);
        QTest::newRow("sideways wheel") << QPoint(-120, 0) << int(Qt::NoModifier);
    }
    void wheelAndScrollBarMoveSideways()
    {
        QFETCH(QPoint, angleDelta);
        QFETCH(int, modifiers);
        ChartFixture f;
        QVERIFY(f.show());
        f.pressKey(Qt::Key_Plus, 6);
        const double left = f.chart.frame().grid.minuteAt(ChartLayout::kTrackColumnWidth);
        sendWheel(f.chart.viewport(), f.at(kTrack1, 720), angleDelta, Qt::KeyboardModifiers(modifiers));
        const double moved = f.chart.frame().grid.minuteAt(ChartLayout::kTrackColumnWidth);
        QVERIFY(moved > left);
        QCOMPARE(f.chart.horizontalScrollBar()->value(),
                 int(std::lround(moved * f.chart.frame().grid.pixelsPerMinute())));
        f.chart.horizontalScrollBar()->setValue(f.chart.horizontalScrollBar()->maximum());
        QCOMPARE(std::lround(f.chart.frame().grid.minuteAt(ChartLayout::kTrackColumnWidth + kTimeAreaWidth)), 1440);
    }

    void aNewPlanKeepsZoomScrollAndSelection()
    {
        ChartFixture f;
        QVERIFY(f.show());
        f.zoomInAround(900);
        f.chart.setSelectedLine(kOther);
        const ChartFrame before = f.chart.frame();
        OccupancyPlan plan = samplePlan();
        plan.rows.removeFirst();
        f.chart.setPlan(plan);
        QCOMPARE(f.chart.frame().grid.origin(), before.grid.origin());
        QCOMPARE(f.chart.frame().grid.pixelsPerMinute(), before.grid.pixelsPerMinute());
        QCOMPARE(f.chart.selectedLine(), std::optional<int>(kOther));
        QCOMPARE(f.chart.lineAt(f.at(kTrack2, 950)).value_or(0), int(kOther)); // the rows moved up
    }

    void clicksSelectAndSignalTheLine()
    {
        ChartFixture f;
        QVERIFY(f.show());
        QSignalSpy clicked(&f.chart, &OccupancyChart::trainClicked);
        QSignalSpy doubleClicked(&f.chart, &OccupancyChart::trainDoubleClicked);

        QTest::mouseClick(f.chart.viewport(), Qt::LeftButton, {}, f.at(kTrack1, 5)); // after midnight
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.takeFirst().at(0).toInt(), int(kLv));
        QCOMPARE(f.chart.selectedLine(), std::optional<int>(kLv));

        QTest::mouseClick(f.chart.viewport(), Qt::LeftButton, {}, f.at(kTrack1, 800)); // empty space
        QTest::mouseClick(f.chart.viewport(), Qt::RightButton, {}, f.at(kTrack2, 362));
        QCOMPARE(clicked.size(), 0);
        QCOMPARE(f.chart.selectedLine(), std::optional<int>(kLv));

        QTest::mouseDClick(f.chart.viewport(), Qt::LeftButton, {}, f.at(kTrack2, 362));
        QCOMPARE(doubleClicked.size(), 1);
        QCOMPARE(doubleClicked.takeFirst().at(0).toInt(), int(kMn));
        QCOMPARE(f.chart.selectedLine(), std::optional<int>(kMn));
        QTest::mouseDClick(f.chart.viewport(), Qt::LeftButton, {}, f.at(kTrack2, 800));
        QCOMPARE(doubleClicked.size(), 0);

        clicked.clear();
        f.chart.setSelectedLine(kOs);
        f.chart.setSelectedLine(std::nullopt);
        QCOMPARE(clicked.size() + doubleClicked.size(), 0);
        QCOMPARE(f.chart.selectedLine(), std::nullopt);
    }

    void tooltipShowsTheSummaryAsPlainText()
    {
        ChartFixture f;
        QVERIFY(f.show());
        QList<int> asked;
        const QString summary = QStringLiteral("Lv 1 - 23:50 - 3.kol  <b>nota</b> & \"x\"");
        f.chart.setSummaryOf([&](int line) {
            asked << line;
            return summary;
        });
        auto hover = [&](QPoint pos) {
            QHelpEvent help(QEvent::ToolTip, pos, f.chart.viewport()->mapToGlobal(pos));
            QApplication::sendEvent(f.chart.viewport(), &help);
        };
        hover(f.at(kTrack1, 1435));
        QCOMPARE(asked, QList<int>{kLv});
        QVERIFY(QToolTip::isVisible());
        QTextDocument shown;
        shown.setHtml(QToolTip::text());
        QCOMPARE(shown.toPlainText(), summary);

        hover(f.at(kTrack1, 800));
        QTRY_VERIFY(!QToolTip::isVisible());
        QCOMPARE(asked.size(), 1);
    }
};

QTEST_MAIN(OccupancyChartTest)
#include "occupancy_chart_test.moc"
