#include "chart_fixture.h"
#include "train_dialog_driver.h"

#include <QAction>
#include <QDockWidget>
#include <QListView>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

using namespace tgx;
using namespace tgx::test;

namespace {

// Hutky: its rows are tracks "2", "1" and "0". Os 4521 stays on track 1 from
// 07:12 to 07:13; R 1142 on track 1 from 07:10 to 07:50 collides with it.
const QString kVehicles = QStringLiteral("012013000000000000000000000000");
const QString kCrossing = record(u"15", u"01142", u"2070007101000", u"1", u"1", u"2075008001000", kVehicles);
constexpr int kTrack2Row = 0;
constexpr int kTrack1Row = 1;

OccupancyChart *chart(App &app) { return app.main().findChild<OccupancyChart *>(QStringLiteral("G9")); }
QPoint at(App &app, int row, int minute, int lane = 0) { return pointAt(*chart(app), row, minute, lane); }
QListView *listView(App &app) { return app.main().findChild<QListView *>(QStringLiteral("B1")); }
QListView *findings(App &app) { return app.main().findChild<QListView *>(QStringLiteral("H2")); }

QStringList findingRows(App &app)
{
    QStringList rows;
    for (int row = 0; row < findings(app)->model()->rowCount(); ++row)
        rows << findings(app)->model()->index(row, 0).data().toString();
    return rows;
}

} // namespace

// The track occupancy view in the main window: one selection with the train
// list and the findings pane, editing from the chart, and chart and findings
// following the text.
class ChartInMainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theChartSharesTheListsSelectionAndFollowsTheText()
    {
        App app;
        setTimetable(app, kHutky);
        app.lines().appendLine(kHutkyRecord);
        app.lines().appendLine(kCrossing);
        app.main().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app.main()));
        app.trigger("G7");
        QVERIFY(chart(app)->isVisible());
        QVERIFY(!listView(app)->isVisible());
        QVERIFY(app.prompts.shown.isEmpty());
        QVERIFY(app.main().findChild<QAction *>(QStringLiteral("G7"))->isChecked());
        QCOMPARE(findingRows(app), QStringList{QStringLiteral(
            "řádek 32: kolize na koleji 1: R 1142 07:10–07:50 a Os 4521 07:12–07:13 (řádek 31)")});

        // A click on R 1142 selects it in the list too, also once the list is shown.
        QTest::mouseClick(chart(app)->viewport(), Qt::LeftButton, {}, at(app, kTrack1Row, 7 * 60 + 40));
        QCOMPARE(chart(app)->selectedLine(), std::optional<int>(32));
        app.trigger("E9");
        QCOMPARE(listView(app)->currentIndex().row(), 1);
        QCOMPARE(listView(app)->selectionModel()->selectedIndexes().size(), 1);

        // A double-click on Os 4521, in the lane below R 1142's, edits it.
        app.trigger("G7");
        QTest::mouseDClick(chart(app)->viewport(), Qt::LeftButton, {}, at(app, kTrack1Row, 7 * 60 + 12, 1));
        TrainDialog dialog(app);
        QVERIFY(dialog.form().isVisible());
        QCOMPARE(dialog.form().windowTitle(), QStringLiteral("Upravit vlak"));
        QCOMPARE(dialog.edit("B4")->text(), QStringLiteral("4521"));
        dialog.click("F6");
        QCOMPARE(chart(app)->selectedLine(), std::optional<int>(31));

        // The findings pane below the views: a double-click on a finding selects its train.
        const auto *pane = app.main().findChild<QDockWidget *>(QStringLiteral("H1"));
        QCOMPARE(pane->windowTitle(), QStringLiteral("Kontrola grafikonu"));
        QCOMPARE(pane->features(), QDockWidget::NoDockWidgetFeatures); // neither closed, moved nor floated
        const QPoint finding = findings(app)->visualRect(findings(app)->model()->index(0, 0)).center();
        QTest::mouseClick(findings(app)->viewport(), Qt::LeftButton, {}, finding); // as a mouse sends it
        QTest::mouseDClick(findings(app)->viewport(), Qt::LeftButton, {}, finding);
        QCOMPARE(chart(app)->selectedLine(), std::optional<int>(32));
        QCOMPARE(listView(app)->currentIndex().row(), 1);

        // Moving R 1142 to track 2 in the source text moves its bar and ends the
        // collision; the chart keeps its zoom and scroll position.
        QTest::keyClick(chart(app), Qt::Key_Plus);
        const ChartFrame before = chart(app)->frame();
        QTextCursor cursor(app.main().findChild<QPlainTextEdit *>(QStringLiteral("B0"))->document()->findBlockByNumber(31));
        cursor.setPosition(cursor.position() + 20);
        cursor.setPosition(cursor.position() + 1, QTextCursor::KeepAnchor);
        cursor.insertText(QStringLiteral("2"));
        QCOMPARE(chart(app)->lineAt(at(app, kTrack2Row, 7 * 60 + 40)), std::optional<int>(32));
        QCOMPARE(chart(app)->lineAt(at(app, kTrack1Row, 7 * 60 + 40)), std::nullopt);
        QCOMPARE(findingRows(app), QStringList{QStringLiteral("Grafikon je bez chyb.")});
        QCOMPARE(chart(app)->frame().grid.origin(), before.grid.origin());
        QCOMPARE(chart(app)->frame().grid.pixelsPerMinute(), before.grid.pixelsPerMinute());
    }
};

QTEST_MAIN(ChartInMainWindowTest)
#include "chart_in_main_window_test.moc"
