#include "four_trains.h"

#include "document/train_list_model.h"
#include "occupancy/occupancy_chart.h"

#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

using namespace tgx;
using namespace tgx::test;

namespace {

enum class Command { Add, Copy, Edit, Repeat };

constexpr int kFillers = 120; // trains enough that the list scrolls
constexpr int kHutkyArrival = 7 * 60 + 12;

QListView *list(App &app) { return app.main().findChild<QListView *>(QStringLiteral("B1")); }
OccupancyChart *chart(App &app) { return app.main().findChild<OccupancyChart *>(QStringLiteral("G9")); }
QPlainTextEdit *source(App &app) { return app.main().findChild<QPlainTextEdit *>(QStringLiteral("B0")); }

// The four trains, then many more at 07:12, in a shown window with view showing.
void openLongTimetable(App &app, const char *view)
{
    fillTimetable(app);
    for (int i = 0; i < kFillers; ++i)
        app.lines().appendLine(QString(kHutkyRecord).replace(2, 5, QString::number(10000 + i)));
    app.main().show();
    QVERIFY(QTest::qWaitForWindowExposed(&app.main()));
    app.trigger(view);
    app.prompts.reset();
}

// Scrolls both views away from where the written train will be: the list to
// its other end, the chart to the small hours at its narrowest.
void lookElsewhere(App &app, bool atTop)
{
    if (atTop)
        list(app)->scrollToBottom();
    else
        list(app)->scrollToTop();
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(chart(app), Qt::Key_Plus);
    chart(app)->horizontalScrollBar()->setValue(0);
}

// Runs a command on the train in row through its dialog's "OK".
void run(App &app, Command command, int row)
{
    TrainDialog dialog(app);
    selectTrain(app, row);
    switch (command) {
    case Command::Add:
        app.trigger("E2");
        dialog.fillHutkyTrain();
        return dialog.click("F7");
    case Command::Copy:
        app.trigger("G3");
        return dialog.click("F7");
    case Command::Edit:
        app.trigger("E3");
        return dialog.click("F7");
    case Command::Repeat:
        app.trigger("G4");
        return app.forms->A5.findChild<QPushButton *>(QStringLiteral("B7"))->click();
    }
}

bool rowShows(App &app, int row)
{
    const QRect item = list(app)->visualRect(list(app)->model()->index(row, 0));
    return list(app)->viewport()->rect().intersects(item);
}

bool chartShowsMinute(App &app, int minute)
{
    const ChartFrame frame = chart(app)->frame();
    return frame.grid.minuteAt(ChartLayout::kTrackColumnWidth) <= minute && frame.grid.minuteAt(frame.size.width()) > minute;
}

} // namespace

// What the user sees after a command: the train it wrote selected and shown,
// and the find bar searching the view that shows.
class ShownResultsTest : public QObject {
    Q_OBJECT

private slots:
    void theWrittenTrainIsSelectedAndShown_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<int>("row");  // the train the command starts from
        QTest::addColumn<int>("line"); // the train written: its line, -1 for a new last line
        QTest::addColumn<QString>("view");

        QTest::newRow("add, in the list") << Command::Add << 0 << -1 << "E9";
        QTest::newRow("copy, in the list") << Command::Copy << 1 << -1 << "E9";
        QTest::newRow("edit, in the list") << Command::Edit << 2 << 33 << "E9";
        QTest::newRow("repeat, the first copy in the list") << Command::Repeat << 0 << -1 << "E9";
        QTest::newRow("add, in the chart") << Command::Add << 0 << -1 << "G7";
        QTest::newRow("edit, in the chart") << Command::Edit << 3 << 34 << "G7";
        QTest::newRow("repeat, in the chart") << Command::Repeat << 3 << -1 << "G7";
    }

    void theWrittenTrainIsSelectedAndShown()
    {
        QFETCH(Command, command);
        QFETCH(int, row);
        QFETCH(int, line);
        QFETCH(QString, view);

        App app;
        openLongTimetable(app, qPrintable(view));
        const int written = line > 0 ? line : app.lines().lineCount() + 1;
        lookElsewhere(app, line > 0);
        run(app, command, row);
        QCOMPARE(app.prompts.messages(), QStringList());
        const auto writtenRow = app.trainList().rowOf(written);
        QVERIFY(writtenRow);
        QCOMPARE(app.main().selectedTrainLine(), std::optional<int>(written));
        QCOMPARE(chart(app)->selectedLine(), std::optional<int>(written));
        if (view == u"E9")
            QVERIFY(rowShows(app, *writtenRow));
        else
            QVERIFY(chartShowsMinute(app, kHutkyArrival + (command == Command::Repeat ? 60 : 0)));
    }

    void findingInTheSourceViewSelectsTheRecordLine_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("cursorLine"); // where the cursor stands before
        QTest::addColumn<QList<int>>("lines"); // selected after typing, then after each Enter

        QTest::newRow("from the header on, round the end") << "os 45" << 2 << QList<int>{31, 34, 31};
        QTest::newRow("from the cursor's train on") << "os 45" << 33 << QList<int>{34, 31};
        QTest::newRow("the cursor's own train first") << "1142" << 32 << QList<int>{32, 32};
    }

    void findingInTheSourceViewSelectsTheRecordLine()
    {
        QFETCH(QString, typed);
        QFETCH(int, cursorLine);
        QFETCH(QList<int>, lines);

        App app;
        fillTimetable(app);
        app.main().show();
        QVERIFY(QTest::qWaitForWindowActive(&app.main()));
        app.trigger("F0");
        source(app)->setTextCursor(QTextCursor(source(app)->document()->findBlockByNumber(cursorLine - 1)));
        app.trigger("G5");
        auto *field = app.main().findChild<QLineEdit *>(QStringLiteral("H4"));
        QTest::keyClicks(field, typed);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(field, Qt::Key_Return);
            const QTextCursor cursor = source(app)->textCursor();
            QCOMPARE(cursor.blockNumber() + 1, lines[i]);
            QCOMPARE(cursor.selectedText(), app.lines().line(lines[i]));
        }
        QVERIFY(source(app)->isVisible());
        QVERIFY(!list(app)->isVisible());
    }
};

QTEST_MAIN(ShownResultsTest)
#include "shown_results_test.moc"
