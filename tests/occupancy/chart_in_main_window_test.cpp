#include "train_dialog_driver.h"

#include "occupancy/chart_frame.h"
#include "occupancy/occupancy_chart.h"

#include <QAction>
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
QListView *listView(App &app) { return app.main().findChild<QListView *>(QStringLiteral("B1")); }

QPoint pointOf(App &app, int row, int minute)
{
    const ChartFrame frame = chart(app)->frame();
    return QPoint(int(frame.grid.x(minute + 0.5)), frame.rowTop(row) + ChartLayout::kRowHeight / 2);
}

QStringList findingRows(App &app)
{
    const QAbstractItemModel *model = app.main().findChild<QListView *>(QStringLiteral("H2"))->model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row)
        rows << model->index(row, 0).data().toString();
    return rows;
}

} // namespace

// The track occupancy view in the main window: one selection with the train
// list, editing from the chart, and chart and findings following the text.
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
        QTest::mouseClick(chart(app)->viewport(), Qt::LeftButton, {}, pointOf(app, kTrack1Row, 7 * 60 + 40));
        QCOMPARE(chart(app)->selectedLine(), std::optional<int>(32));
        app.trigger("E9");
        QCOMPARE(listView(app)->currentIndex().row(), 1);
        QCOMPARE(listView(app)->selectionModel()->selectedIndexes().size(), 1);

        // A double-click on Os 4521 edits it.
        app.trigger("G7");
        QTest::mouseDClick(chart(app)->viewport(), Qt::LeftButton, {}, pointOf(app, kTrack1Row, 7 * 60 + 12));
        TrainDialog dialog(app);
        QVERIFY(dialog.form().isVisible());
        QCOMPARE(dialog.form().windowTitle(), QStringLiteral("Upravit vlak"));
        QCOMPARE(dialog.edit("B4")->text(), QStringLiteral("4521"));
        dialog.click("F6");

        // Moving R 1142 to track 2 in the source text moves its bar and ends the collision.
        QTextCursor cursor(app.main().findChild<QPlainTextEdit *>(QStringLiteral("B0"))->document()->findBlockByNumber(31));
        cursor.setPosition(cursor.position() + 20);
        cursor.setPosition(cursor.position() + 1, QTextCursor::KeepAnchor);
        cursor.insertText(QStringLiteral("2"));
        QCOMPARE(chart(app)->lineAt(pointOf(app, kTrack2Row, 7 * 60 + 40)), std::optional<int>(32));
        QCOMPARE(chart(app)->lineAt(pointOf(app, kTrack1Row, 7 * 60 + 40)), std::nullopt);
        QCOMPARE(findingRows(app), QStringList{QStringLiteral("Grafikon je bez chyb.")});
    }
};

QTEST_MAIN(ChartInMainWindowTest)
#include "chart_in_main_window_test.moc"
