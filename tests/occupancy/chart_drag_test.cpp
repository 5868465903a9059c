#include "chart_fixture.h"
#include "train_dialog_driver.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>

using namespace tgx;
using namespace tgx::test;

namespace {

constexpr int kTrack1Row = 1; // Hutky's rows are tracks "2", "1" and "0"
constexpr int kOsArrival = 7 * 60 + 12; // Os 4521 holds track 1 from 07:12 to 07:13

OccupancyChart *chart(App &app) { return app.main().findChild<OccupancyChart *>(QStringLiteral("G9")); }
QTextDocument *history(App &app) { return app.main().findChild<QPlainTextEdit *>(QStringLiteral("B0"))->document(); }

} // namespace

// Moving a train in time by dragging its bar in the track occupancy view.
class ChartDragTest : public QObject {
    Q_OBJECT

private slots:
    void aDragMovesTheTrainAsOneStep_data()
    {
        QTest::addColumn<double>("minutes"); // how far the mouse goes
        QTest::addColumn<bool>("escape");    // Escape pressed before the release
        QTest::addColumn<QString>("moved");  // the record afterwards
        // Whole minutes only, towards zero: 7.5 minutes is a move of 7.
        QTest::newRow("later") << 7.5 << false
                               << QStringLiteral("1804521107120719070011207200747270000012013000000000000000000000000");
        QTest::newRow("earlier") << -12.5 << false
                                 << QStringLiteral("1804521106530700070011207010728270000012013000000000000000000000000");
        QTest::newRow("cancelled by Escape") << 30.5 << true << kHutkyRecord;
        QTest::newRow("less than a minute") << 0.7 << false << kHutkyRecord;
        QTest::newRow("less than a minute earlier") << -0.7 << false << kHutkyRecord;
    }

    void aDragMovesTheTrainAsOneStep()
    {
        QFETCH(double, minutes);
        QFETCH(bool, escape);
        QFETCH(QString, moved);
        App app;
        setTimetable(app, kHutky);
        app.lines().appendLine(kHutkyRecord);
        app.main().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app.main()));
        app.trigger("G7");
        for (int i = 0; i < 20; ++i) // as far in as the chart goes, so that a pixel is a fraction of a minute
            QTest::keyClick(chart(app), Qt::Key_Plus);
        const TimeGrid grid = chart(app)->frame().grid;
        chart(app)->horizontalScrollBar()->setValue(int((kOsArrival - 60) * grid.pixelsPerMinute()));
        const QPoint from = pointAt(*chart(app), kTrack1Row, kOsArrival);
        const QPoint to(from.x() + int(std::lround(minutes * chart(app)->frame().grid.pixelsPerMinute())), from.y());
        const int stepsBefore = history(app)->availableUndoSteps();

        QWidget *viewport = chart(app)->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        QTest::mouseMove(viewport, (from + to) / 2);
        QTest::mouseMove(viewport, to);
        if (escape)
            QTest::keyClick(chart(app), Qt::Key_Escape);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);

        QCOMPARE(app.lines().line(31), moved);
        QCOMPARE(app.lines().lineCount(), 31);
        QCOMPARE(chart(app)->selectedLine(), std::optional<int>(31));
        QVERIFY(app.prompts.shown.isEmpty());
        const int steps = moved == kHutkyRecord ? 0 : 1;
        QCOMPARE(history(app)->availableUndoSteps(), stepsBefore + steps);
        if (steps == 0)
            return;
        // The bar now stands where the drag put it.
        const int movedBy = int(std::trunc(minutes));
        QCOMPARE(chart(app)->lineAt(pointAt(*chart(app), kTrack1Row, kOsArrival + movedBy)), std::optional<int>(31));
        app.trigger("G1");
        QCOMPARE(app.lines().line(31), kHutkyRecord);
    }
};

QTEST_MAIN(ChartDragTest)
#include "chart_drag_test.moc"
