#include "chart_fixture.h"
#include "occupancy/document_analysis.h"
#include "timetable_records.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

#include <cmath>

using namespace tgx;
using namespace tgx::test;

namespace {

void sendWheel(QWidget *viewport, QPoint pos, QPoint angleDelta, Qt::KeyboardModifiers modifiers)
{
    QWheelEvent wheel(pos, viewport->mapToGlobal(pos), QPoint(), angleDelta, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
}

// Hutky, rows "2", "1" and "0": on track 1 three trains at once about 07:00
// (lines 31 to 33), then one alone; on track 0 one below them.
OccupancyPlan threeAtOnce()
{
    return planDocument(timetable(kHutky, {record(1, "1 0650 0700", "1", "2 0900 0940"),   // 420-540
                                           record(2, "1 0700 0710", "1", "2 0712 0740"),   // 430-432
                                           record(3, "1 0720 0730", "1", "2 0740 0800"),   // 450-460
                                           record(4, "1 0725 0735", "1", "2 0745 0800"),   // 455-465
                                           record(5, "1 0650 0700", "0", "2 0712 0740")})); // 420-432
}

void hover(ChartFixture &f, QPoint pos)
{
    QHelpEvent help(QEvent::ToolTip, pos, f.chart.viewport()->mapToGlobal(pos));
    QApplication::sendEvent(f.chart.viewport(), &help);
}

QLabel *toolTipLabel()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("qtooltip_label") && widget->isVisible())
            return qobject_cast<QLabel *>(widget);
    }
    return nullptr;
}

} // namespace

// The chart as a widget: zooming and scrolling, finding the bar under the
// mouse, selection and its signals, and the tooltip.
class OccupancyChartTest : public QObject {
    Q_OBJECT

private slots:
    void findsTheTrainUnderTheMouse_data()
    {
        QTest::addColumn<bool>("zoomedIn");
        QTest::addColumn<int>("row");
        QTest::addColumn<double>("minute");
        QTest::addColumn<int>("line"); // 0: none

        for (const bool zoomedIn : {false, true}) {
            const QByteArray zoom = zoomedIn ? "two hours: " : "whole day: ";
            auto row = [&](const char *name) -> QTestData & { return QTest::newRow((zoom + name).constData()) << zoomedIn; };
            row("a bar") << int(kTrack1) << 425.0 << int(kOs);
            row("overlap gives the later bar") << int(kTrack1) << 435.0 << int(kPn);
            row("midnight train before midnight") << int(kTrack1) << 1435.0 << int(kLv);
            row("midnight train after midnight") << int(kTrack1) << 5.0 << int(kLv);
            row("empty space") << int(kTrack1) << 600.0 << 0;
            row("short bar inside a long one") << int(kTrack2) << 362.0 << int(kMn);
            row("long bar after a short one inside it") << int(kTrack2) << 500.0 << int(kR);
            row("passing train") << int(kTrack2) << 600.0 << int(kEx);
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
        ChartFixture f;
        QVERIFY(f.show());
        if (zoomedIn)
            f.zoomInAround(int(minute));
        QTEST(f.chart.lineAt(f.at(row, minute)).value_or(0), "line");
    }

    void findsEachTrainOfALane_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("lane");
        QTest::addColumn<double>("minute");
        QTest::addColumn<int>("line"); // 0: none

        QTest::newRow("lane 0") << 1 << 0 << 431.0 << 31;
        QTest::newRow("lane 1") << 1 << 1 << 431.0 << 32;
        QTest::newRow("lane 1, later") << 1 << 1 << 452.0 << 33;
        QTest::newRow("lane 2") << 1 << 2 << 456.0 << 34;
        QTest::newRow("lane 2, nothing there") << 1 << 2 << 431.0 << 0;
        QTest::newRow("the row below the lanes") << 2 << 0 << 425.0 << 35;
        QTest::newRow("a row of one lane above") << 0 << 0 << 431.0 << 0;
    }
    void findsEachTrainOfALane()
    {
        QFETCH(int, row);
        QFETCH(int, lane);
        QFETCH(double, minute);
        ChartFixture f;
        f.chart.setPlan(threeAtOnce());
        QVERIFY(f.show(QSize(776, 200)));
        f.zoomInAround(450);
        // The row of three lanes holds three bars one above the other, and the rows below move down.
        QVERIFY(f.chart.frame().rowTop(2) - f.chart.frame().rowTop(1) >= 3 * ChartLayout::kBarHeight);
        QTEST(f.chart.lineAt(pointAt(f.chart, row, minute, lane)).value_or(0), "line");
    }

    void tooltipShowsTheSummaryAndTheTrainsFindings_data()
    {
        QTest::addColumn<int>("lane");
        QTest::addColumn<double>("minute");
        QTest::addColumn<QStringList>("shown");

        const QString collision31 = QStringLiteral("řádek 32: kolize na koleji 1: Os 2 07:10–07:12 a Os 1 07:00–09:00 (řádek 31)");
        const QString collision33 = QStringLiteral("řádek 33: kolize na koleji 1: Os 3 07:30–07:40 a Os 1 07:00–09:00 (řádek 31)");
        const QString collision34 = QStringLiteral("řádek 34: kolize na koleji 1: Os 4 07:35–07:45 a Os 3 07:30–07:40 (řádek 33)");
        const QString collision34With31 = QStringLiteral("řádek 34: kolize na koleji 1: Os 4 07:35–07:45 a Os 1 07:00–09:00 (řádek 31)");
        const QString summary = QStringLiteral("line %1: ") + QString(90, u'x');
        QTest::newRow("named by later lines") << 0 << 431.0
                                              << QStringList{summary.arg(31), collision31, collision33, collision34With31};
        QTest::newRow("its own findings and those naming it") << 1 << 452.0
                                                              << QStringList{summary.arg(33), collision33, collision34};
        QTest::newRow("its own line's findings") << 1 << 431.0 << QStringList{summary.arg(32), collision31};
    }
    void tooltipShowsTheSummaryAndTheTrainsFindings()
    {
        QFETCH(int, lane);
        QFETCH(double, minute);
        QFETCH(QStringList, shown);
        ChartFixture f;
        f.chart.setPlan(threeAtOnce());
        QVERIFY(f.show(QSize(776, 200)));
        f.chart.setSummaryOf([](int line) { return QStringLiteral("line %1: ").arg(line) + QString(90, u'x'); });
        hover(f, pointAt(f.chart, 1, minute, lane));
        QVERIFY(QToolTip::isVisible());
        QTextDocument text;
        text.setHtml(QToolTip::text());
        QCOMPARE(text.toPlainText().split(u'\n'), shown);
        // One line on the screen for each: the long summary is not wrapped.
        const QLabel *label = toolTipLabel();
        QVERIFY(label);
        QVERIFY(label->height() < (shown.size() + 1) * label->fontMetrics().lineSpacing());
        QVERIFY(label->width() > label->fontMetrics().horizontalAdvance(shown[0]));
    }

    void zoomsAndScrolls_data()
    {
        QTest::addColumn<int>("key"); // 0: the wheel over minute 200 instead
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QPoint>("angleDelta");
        QTest::addColumn<double>("spanFactor"); // 1: the view moves sideways

        const QPoint noWheel;
        QTest::newRow("+") << int(Qt::Key_Plus) << int(Qt::NoModifier) << noWheel << 0.8;
        QTest::newRow("Shift with +") << int(Qt::Key_Plus) << int(Qt::ShiftModifier) << noWheel << 0.8;
        QTest::newRow("keypad +") << int(Qt::Key_Plus) << int(Qt::KeypadModifier) << noWheel << 0.8;
        QTest::newRow("Ctrl++") << int(Qt::Key_Plus) << int(Qt::ControlModifier) << noWheel << 0.8;
        QTest::newRow("Ctrl+=") << int(Qt::Key_Equal) << int(Qt::ControlModifier) << noWheel << 0.8;
        QTest::newRow("-") << int(Qt::Key_Minus) << int(Qt::NoModifier) << noWheel << 1.25;
        QTest::newRow("keypad -") << int(Qt::Key_Minus) << int(Qt::KeypadModifier) << noWheel << 1.25;
        QTest::newRow("Ctrl+-") << int(Qt::Key_Minus) << int(Qt::ControlModifier) << noWheel << 1.25;
        QTest::newRow("wheel") << 0 << int(Qt::NoModifier) << QPoint(0, -120) << 1.0;
        QTest::newRow("Shift+wheel") << 0 << int(Qt::ShiftModifier) << QPoint(0, -120) << 1.0;
        QTest::newRow("sideways wheel") << 0 << int(Qt::NoModifier) << QPoint(-120, 0) << 1.0;
        QTest::newRow("Ctrl+wheel in by three notches") << 0 << int(Qt::ControlModifier) << QPoint(0, 360) << 0.512;
        QTest::newRow("Ctrl+wheel out") << 0 << int(Qt::ControlModifier) << QPoint(0, -120) << 1.25;
    }
    void zoomsAndScrolls()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QPoint, angleDelta);
        QFETCH(double, spanFactor);
        ChartFixture f;
        QVERIFY(f.show());
        f.pressKey(Qt::Key_Plus, 6);
        QScrollBar *bar = f.chart.horizontalScrollBar();
        bar->setValue(100);
        const QPoint mouse = f.at(kTrack2, 200);
        const auto act = [&] {
            if (key)
                f.pressKey(key, 1, Qt::KeyboardModifiers(modifiers));
            else
                sendWheel(f.chart.viewport(), mouse, angleDelta, Qt::KeyboardModifiers(modifiers));
        };
        // Keys zoom about the middle of the view, the wheel about the mouse.
        const double anchorX = key ? (ChartLayout::kTrackColumnWidth + f.chart.viewport()->width()) / 2.0 : mouse.x();
        const double span = f.visibleSpan(), left = f.leftMinute(), anchored = f.minuteAt(anchorX);
        act();
        QCOMPARE(f.visibleSpan(), span * spanFactor);
        QVERIFY(spanFactor == 1.0 ? f.leftMinute() > left + 1 : std::abs(f.minuteAt(anchorX) - anchored) < 1e-9);
        // The scroll bar follows, and at its end shows the end of the day.
        QCOMPARE(bar->value(), int(std::lround(f.leftMinute() * f.chart.frame().grid.pixelsPerMinute())));
        bar->setValue(bar->maximum());
        QCOMPARE(std::lround(f.rightMinute()), 1440);
        if (spanFactor == 1.0)
            return;
        // Zooming stays within the day, and stops at two hours (the anchor kept) or the whole day.
        const double atEnd = f.minuteAt(anchorX);
        for (int i = 0; i < 30; ++i) {
            act();
            QVERIFY(f.leftMinute() > -1e-9 && f.rightMinute() < 1440 + 1e-9);
        }
        QCOMPARE(f.visibleSpan(), spanFactor < 1 ? 120.0 : 1440.0);
        QVERIFY(spanFactor > 1 || std::abs(f.minuteAt(anchorX) - atEnd) < 1e-9);
    }

    void clicksSelectAndSignalTheLine()
    {
        ChartFixture f;
        QVERIFY(f.show());
        QSignalSpy clicked(&f.chart, &OccupancyChart::trainClicked);
        QSignalSpy doubleClicked(&f.chart, &OccupancyChart::trainDoubleClicked);
        QWidget *viewport = f.chart.viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, f.at(kTrack1, 5));
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.takeFirst().at(0).toInt(), int(kLv));
        QCOMPARE(f.chart.selectedLine(), std::optional<int>(kLv));
        // Empty space and the right button change nothing.
        QTest::mouseClick(viewport, Qt::LeftButton, {}, f.at(kTrack1, 800));
        QTest::mouseClick(viewport, Qt::RightButton, {}, f.at(kTrack2, 362));
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, f.at(kTrack2, 800));
        QCOMPARE(clicked.size() + doubleClicked.size(), 0);
        QCOMPARE(f.chart.selectedLine(), std::optional<int>(kLv));
        // A new plan keeps the selection.
        OccupancyPlan plan = samplePlan();
        plan.rows.removeFirst();
        f.chart.setPlan(plan);
        QCOMPARE(f.chart.selectedLine(), std::optional<int>(kLv));
        QCOMPARE(f.chart.lineAt(f.at(kTrack1, 362)).value_or(0), int(kMn)); // the rows moved up
        // Selecting from outside emits nothing.
        f.chart.setSelectedLine(kOs);
        f.chart.setSelectedLine(std::nullopt);
        QCOMPARE(clicked.size() + doubleClicked.size(), 0);
        QCOMPARE(f.chart.selectedLine(), std::nullopt);
    }

    void tooltipShowsTheSummaryAsPlainText()
    {
        ChartFixture f;
        QVERIFY(f.show());
        f.chart.setSummaryOf([](int line) { return QStringLiteral("<b>%1</b>  & \"x\"").arg(line); });
        auto hover = [&](QPoint pos) {
            QHelpEvent help(QEvent::ToolTip, pos, f.chart.viewport()->mapToGlobal(pos));
            QApplication::sendEvent(f.chart.viewport(), &help);
        };
        hover(f.at(kTrack1, 1435));
        QVERIFY(QToolTip::isVisible());
        QTextDocument shown;
        shown.setHtml(QToolTip::text());
        QCOMPARE(shown.toPlainText(), QStringLiteral("<b>33</b>  & \"x\"")); // Lv 1's line, as it stands
        hover(f.at(kTrack1, 800));
        QTRY_VERIFY(!QToolTip::isVisible());
    }
};

QTEST_MAIN(OccupancyChartTest)
#include "occupancy_chart_test.moc"
