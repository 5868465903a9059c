#include "app_fixture.h"
#include "chart_fixture.h"
#include "timetable_records.h"

#include <QApplication>
#include <QListView>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

using namespace tgx;
using namespace tgx::test;

namespace {

// Hutky, rows "2", "1", "0". Ninety trains stop on track 2 through the day;
// between them, on lines 61 and 62, two trains share 20:11 and 20:12 on
// track 1, and line 63 cannot be read.
constexpr int kEarlier = 61;
constexpr int kLater = 62;
constexpr int kUnreadable = 63;
constexpr int kTrack1Row = 1;
constexpr int kPairFirst = 20 * 60 + 10;
constexpr int kPairEnd = 20 * 60 + 15; // the end of their last minute

QString clock(int minute)
{
    return QStringLiteral("%1%2").arg(minute / 60, 2, 10, QChar(u'0')).arg(minute % 60, 2, 10, QChar(u'0'));
}

QStringList sampleDay()
{
    QStringList records;
    const auto stop = [](int number, int minute) {
        return record(number, QStringLiteral("1 %1 %2").arg(clock(minute - 10), clock(minute)), QStringLiteral("2"),
                      QStringLiteral("2 %1 %2").arg(clock(minute + 3), clock(minute + 23)));
    };
    for (int i = 0; i < 90; ++i) {
        if (records.size() == kEarlier - 31) {
            records << record(1, "1 2000 2010", "1", "2 2012 2030") << record(2, "1 2001 2011", "1", "2 2014 2040")
                    << QStringLiteral("18");
        }
        records << stop(100 + i, 10 + i * 15);
    }
    return timetable(kHutky, records);
}

struct Window {
    Window()
    {
        app.lines().setText(sampleDay().join(u'\n'));
        app.main().show();
        app.main().activateWindow();
        shown = QTest::qWaitForWindowActive(&app.main());
    }
    template <typename T> T *find(const char *name) { return app.main().findChild<T *>(QString::fromLatin1(name)); }
    OccupancyChart *chart() { return find<OccupancyChart>("G9"); }
    QPlainTextEdit *source() { return find<QPlainTextEdit>("B0"); }
    QListView *list() { return find<QListView>("B1"); }
    QListView *findings() { return find<QListView>("H2"); }
    void key(Qt::Key key, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(QApplication::focusWidget(), key);
    }
    double leftMinute() { return chart()->frame().grid.minuteAt(ChartLayout::kTrackColumnWidth); }
    double rightMinute() { return chart()->frame().grid.minuteAt(chart()->viewport()->width()); }
    // Shows the chart from 00:00 to about 02:00.
    void zoomChartIntoTheNight()
    {
        app.trigger("G7");
        for (int i = 0; i < 20; ++i)
            QTest::keyClick(chart(), Qt::Key_Plus);
        chart()->horizontalScrollBar()->setValue(0);
    }
    // Puts the caret on line in the source view, with the keys there.
    void typeInSourceAt(int line)
    {
        app.trigger("F0");
        source()->setFocus();
        source()->setTextCursor(QTextCursor(source()->document()->findBlockByNumber(line - 1)));
    }

    App app;
    bool shown = false;
};

} // namespace

// The main window's views: which of them takes the keys, and going to a
// finding in each of them.
class ViewsInMainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theShownViewTakesTheKeys_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QString>("how"); // "menu ITEM", "button NAME" or "F6"
        QTest::addColumn<QString>("view");

        QTest::newRow("list from the source view") << QByteArray("F0") << "menu E9" << "B1";
        QTest::newRow("source view from the chart") << QByteArray("G7") << "menu F0" << "B0";
        QTest::newRow("chart from the source view, menu") << QByteArray("F0") << "menu G7" << "G9";
        QTest::newRow("chart from the source view, tool button") << QByteArray("F0") << "button G8" << "G9";
        QTest::newRow("chart from the source view, F6") << QByteArray("F0") << "F6" << "G9";
        QTest::newRow("chart from the list, F6") << QByteArray("E9") << "F6" << "G9";
    }
    void theShownViewTakesTheKeys()
    {
        QFETCH(QByteArray, from);
        QFETCH(QString, how);
        QFETCH(QString, view);
        Window w;
        QVERIFY(w.shown);
        w.app.trigger(from.constData());
        w.app.main().findChild<QWidget *>(from == "F0" ? "B0" : from == "G7" ? "G9" : "B1")->setFocus();
        const QString item = how.section(u' ', 1);
        if (how.startsWith(QLatin1String("menu")))
            w.app.trigger(item.toLatin1().constData());
        else if (how.startsWith(QLatin1String("button")))
            QTest::mouseClick(w.find<QToolButton>(item.toLatin1().constData()), Qt::LeftButton);
        else
            w.key(Qt::Key_F6);
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), view);
    }

    void plusAndMinusAfterF6ZoomTheChartAndLeaveTheText()
    {
        Window w;
        QVERIFY(w.shown);
        w.typeInSourceAt(kEarlier);
        const QString before = w.app.lines().text();
        w.key(Qt::Key_F6);
        const double wholeDay = w.rightMinute() - w.leftMinute();
        w.key(Qt::Key_Plus, 3);
        QVERIFY(w.rightMinute() - w.leftMinute() < wholeDay / 1.9);
        w.key(Qt::Key_Minus, 5);
        QCOMPARE(w.rightMinute() - w.leftMinute(), wholeDay);
        QCOMPARE(w.app.lines().text(), before);
    }

    void goesToAFinding_data()
    {
        QTest::addColumn<QByteArray>("view");
        QTest::addColumn<bool>("zoomedIn"); // the chart shows the night first
        QTest::addColumn<int>("finding");   // its row in the pane
        QTest::addColumn<bool>("enter");    // chosen with Enter, else by a double-click

        QTest::newRow("list") << QByteArray("E9") << false << 0 << false;
        QTest::newRow("source view") << QByteArray("F0") << false << 0 << true;
        QTest::newRow("chart at the whole day") << QByteArray("G7") << false << 0 << false;
        QTest::newRow("chart zoomed in elsewhere") << QByteArray("G7") << true << 0 << true;
        QTest::newRow("unreadable, from the list") << QByteArray("E9") << false << 1 << false;
        QTest::newRow("unreadable, from the chart") << QByteArray("G7") << false << 1 << true;
        QTest::newRow("unreadable, in the source view") << QByteArray("F0") << false << 1 << false;
    }
    void goesToAFinding()
    {
        QFETCH(QByteArray, view);
        QFETCH(bool, zoomedIn);
        QFETCH(int, finding);
        QFETCH(bool, enter);
        Window w;
        QVERIFY(w.shown);
        if (zoomedIn)
            w.zoomChartIntoTheNight();
        w.app.trigger(view.constData());
        w.source()->verticalScrollBar()->setValue(0);
        w.list()->scrollToTop();
        const QModelIndex row = w.findings()->model()->index(finding, 0);
        if (enter) {
            w.findings()->setFocus();
            w.findings()->setCurrentIndex(row);
            QTest::keyClick(w.findings(), Qt::Key_Return);
        } else {
            const QPoint at = w.findings()->visualRect(row).center();
            QTest::mouseClick(w.findings()->viewport(), Qt::LeftButton, {}, at); // as a mouse sends it
            QTest::mouseDClick(w.findings()->viewport(), Qt::LeftButton, {}, at);
        }
        const int line = finding == 0 ? kLater : kUnreadable;
        const QByteArray shownView = finding == 1 ? "F0" : view;
        QCOMPARE(w.app.main().findChild<QAction *>(QString::fromLatin1(shownView))->isChecked(), true);
        if (shownView == "E9") {
            QCOMPARE(w.list()->currentIndex().row(), line - 31);
            QVERIFY(w.list()->viewport()->rect().contains(w.list()->visualRect(w.list()->currentIndex())));
        } else if (shownView == "F0") {
            QCOMPARE(QApplication::focusWidget(), w.source());
            const QTextCursor cursor = w.source()->textCursor();
            QCOMPARE(cursor.selectedText(), w.app.lines().line(line));
            QCOMPARE(cursor.blockNumber(), line - 1);
            const int middle = w.source()->viewport()->height() / 2;
            QVERIFY(std::abs(w.source()->cursorRect().center().y() - middle) < 2 * w.source()->fontMetrics().lineSpacing());
        } else {
            QCOMPARE(w.chart()->selectedLines(), (QList<int>{kLater, kEarlier}));
            QVERIFY(w.leftMinute() <= kPairFirst && kPairEnd <= w.rightMinute());
            QVERIFY(w.rightMinute() - w.leftMinute() <= 6 * 60); // the two take more than a few pixels
            QList<int> found;
            for (const int lane : {0, 1})
                found << w.chart()->lineAt(pointAt(*w.chart(), kTrack1Row, kPairFirst + 1.5, lane)).value_or(0);
            QCOMPARE(found, (QList<int>{kEarlier, kLater}));
        }
    }

    void showingTheChartShowsTheTrainSelectedInTheList()
    {
        Window w;
        QVERIFY(w.shown);
        w.zoomChartIntoTheNight();
        w.app.trigger("E9");
        w.list()->setCurrentIndex(w.list()->model()->index(kEarlier - 31, 0));
        w.app.trigger("G7");
        QCOMPARE(w.chart()->selectedLine(), std::optional<int>(kEarlier));
        QVERIFY(w.leftMinute() <= kPairFirst && kPairEnd <= w.rightMinute());
    }
};

QTEST_MAIN(ViewsInMainWindowTest)
#include "views_in_main_window_test.moc"
