#include "chart_fixture.h"
#include "occupancy/document_analysis.h"
#include "timetable_records.h"

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

// The chart as a widget: zooming and scrolling, finding the bar under the
// mouse, selection and its signals, and the tooltip.
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
        QTest::newRow("in stops at two hours") << 150.0 << 600.0 << 4.0 << 0.5 << 120.0 << 615.0;
        QTest::newRow("out stops at the whole day") << 720.0 << 300.0 << 0.25 << 0.5 << 1440.0 << 0.0;
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
            row("track column") << int(kTrack1) << -10.0 << 0;
            row("hour labels") << -1 << 5.0 << 0;
            row("below the rows") << int(kSampleRows) << 950.0 << 0;
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

    void aPlannedTrainThroughMidnightIsFoundAtBothEnds()
    {
        ChartFixture f;
        const OccupancyPlan plan = planDocument(timetable(kHutky, {record("04521", "1 2340 2350", "1", "2 0010 0030")}));
        f.chart.setPlan(plan);
        QVERIFY(f.show(QSize(776, 240)));
        const auto track1 = std::find_if(plan.rows.cbegin(), plan.rows.cend(), [](const TrackRow &r) { return r.track == u'1'; });
        const int row = int(track1 - plan.rows.cbegin());
        QCOMPARE(f.chart.lineAt(f.at(row, 23 * 60 + 55)), std::optional<int>(31));
        QCOMPARE(f.chart.lineAt(f.at(row, 5)), std::optional<int>(31));
        QCOMPARE(f.chart.lineAt(f.at(row, 12 * 60)), std::nullopt);
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
        f.pressKey(key, 30, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(f.chart.frame().grid.pixelsPerMinute(), kTimeAreaWidth / (zoomsIn ? 120.0 : 1440.0));
    }

    void wheelZoomsWithCtrlAndElseMovesSideways_data()
    {
        QTest::addColumn<QPoint>("angleDelta");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<double>("spanFactor"); // 1: the wheel moves sideways

        QTest::newRow("wheel") << QPoint(0, -120) << int(Qt::NoModifier) << 1.0;
        QTest::newRow("Shift+wheel") << QPoint(0, -120) << int(Qt::ShiftModifier) << 1.0;
        QTest::newRow("sideways wheel") << QPoint(-120, 0) << int(Qt::NoModifier) << 1.0;
        QTest::newRow("Ctrl+wheel in by three notches") << QPoint(0, 360) << int(Qt::ControlModifier) << 1 / 1.953125;
        QTest::newRow("Ctrl+wheel out") << QPoint(0, -120) << int(Qt::ControlModifier) << 1.25;
    }
    void wheelZoomsWithCtrlAndElseMovesSideways()
    {
        QFETCH(QPoint, angleDelta);
        QFETCH(int, modifiers);
        QFETCH(double, spanFactor);
        ChartFixture f;
        QVERIFY(f.show());
        f.pressKey(Qt::Key_Plus, 6);
        f.chart.horizontalScrollBar()->setValue(100);
        const double span = f.visibleSpan();
        const QPoint mouse = f.at(kTrack2, 200);
        const double left = f.chart.frame().grid.minuteAt(ChartLayout::kTrackColumnWidth);
        const double under = f.chart.frame().grid.minuteAt(mouse.x());
        sendWheel(f.chart.viewport(), mouse, angleDelta, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(f.visibleSpan(), span * spanFactor);
        if (spanFactor == 1.0)
            QVERIFY(f.chart.frame().grid.minuteAt(ChartLayout::kTrackColumnWidth) > left + 1);
        else
            QVERIFY(std::abs(f.chart.frame().grid.minuteAt(mouse.x()) - under) < 1e-9);
        // The scroll bar follows, and at its end shows the end of the day.
        const double pixelsPerMinute = f.chart.frame().grid.pixelsPerMinute();
        const double newLeft = f.chart.frame().grid.minuteAt(ChartLayout::kTrackColumnWidth);
        QCOMPARE(f.chart.horizontalScrollBar()->value(), int(std::lround(newLeft * pixelsPerMinute)));
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
