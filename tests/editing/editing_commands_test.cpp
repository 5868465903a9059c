#include "train_dialog_driver.h"

#include "document/train_list_model.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

const QString kVehicles = QStringLiteral("012013000000000000000000000000");

// A Hutky timetable of four trains, listed as "Os 4521", "R 1142", "Vleč 734" and "Os 4523".
void fillTimetable(App &app)
{
    setTimetable(app, kHutky);
    app.lines().appendLine(kHutkyRecord);
    app.lines().appendLine(record(u"15", u"01142", u"2075808030500", u"1", u"1", u"2081008302000", kVehicles, u"posila"));
    app.lines().appendLine(record(u"27", u"00734", u"0000000000000", u"2", u"1", u"1060706302300", kVehicles));
    app.lines().appendLine(QString(kHutkyRecord).replace(2, 5, QStringLiteral("04523")));
}

QListView *listView(App &app) { return app.main().findChild<QListView *>(QStringLiteral("B1")); }
QWidget *findBar(App &app) { return app.main().findChild<QWidget *>(QStringLiteral("H3")); }
QLineEdit *findField(App &app) { return app.main().findChild<QLineEdit *>(QStringLiteral("H4")); }

// Types text key by key, letters with diacritics included.
void typeInto(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

int selectedRow(App &app)
{
    const QModelIndexList selected = listView(app)->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

} // namespace

// The main window's commands for repeating, finding and sorting trains.
class EditingCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void repeatingNeedsASelectedTrain()
    {
        App app;
        fillTimetable(app);
        app.trigger("G4");
        QCOMPARE(app.prompts.messages(),
                 QStringList{QStringLiteral("Není vybraný žádný vlak. Zvolte vlak, který chcete opakovat.")});
        QVERIFY(!app.forms->A5.isVisible());
        QVERIFY(app.main().isEnabled());

        selectTrain(app, 1);
        app.trigger("G4");
        QVERIFY(app.forms->A5.isVisible());
        QVERIFY(!app.main().isEnabled());
    }

    void findingSelectsTheMatchingTrains_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("startRow");     // selected before typing, -1: none
        QTest::addColumn<QList<int>>("rows");  // selected after typing, then after each Enter
        QTest::addColumn<bool>("notFound");

        QTest::newRow("from the current train on") << "os 45" << 1 << QList<int>{3, 0, 3} << false;
        QTest::newRow("the current train matches") << "Os 4521" << 0 << QList<int>{0, 0} << false;
        QTest::newRow("no train selected") << "Vleč" << -1 << QList<int>{2, 2} << false;
        QTest::newRow("diacritics as typed") << "Vlec" << 1 << QList<int>{2, 2} << true; // "Vle" found Vleč 734
        QTest::newRow("station name") << "vrbinov - 07:58" << -1 << QList<int>{1} << false;
    }

    void findingSelectsTheMatchingTrains()
    {
        QFETCH(QString, typed);
        QFETCH(int, startRow);
        QFETCH(QList<int>, rows);
        QFETCH(bool, notFound);

        App app;
        fillTimetable(app);
        app.main().show();
        QVERIFY(QTest::qWaitForWindowActive(&app.main()));
        if (startRow >= 0)
            selectTrain(app, startRow);
        app.trigger("G5");
        QVERIFY(findBar(app)->isVisible());
        QVERIFY(findField(app)->hasFocus());
        typeInto(findField(app), typed);
        QCOMPARE(selectedRow(app), rows.first());
        for (int row : rows.mid(1)) {
            QTest::keyClick(findField(app), Qt::Key_Return);
            QCOMPARE(selectedRow(app), row);
        }
        QCOMPARE(app.main().findChild<QLabel *>(QStringLiteral("H5"))->isVisible(), notFound);
        QVERIFY(app.prompts.messages().isEmpty());
    }

    void theFindBarStandsAboveTheViewsUntilDismissed()
    {
        App app;
        fillTimetable(app);
        app.main().show();
        QVERIFY(QTest::qWaitForWindowActive(&app.main()));
        app.prompts.answer(Prompts::Answer::Yes);
        app.trigger("F0");
        app.trigger("G5");
        // Finding selects in the list, so the list replaces the source view.
        QVERIFY(listView(app)->isVisible());
        QVERIFY(!app.main().findChild<QPlainTextEdit *>(QStringLiteral("B0"))->isVisible());
        QCOMPARE(listView(app)->y(), findBar(app)->height());

        QTest::keyClick(findField(app), Qt::Key_Escape);
        QVERIFY(!findBar(app)->isVisible());
        QCOMPARE(listView(app)->y(), 0);
    }

    void sortingKeepsTheSelectedTrainSelectedInOneChange()
    {
        App app;
        fillTimetable(app);
        selectTrain(app, 1);
        QSignalSpy changes(app.main().findChild<QPlainTextEdit *>(QStringLiteral("B0")), &QPlainTextEdit::textChanged);
        app.trigger("G6");
        QCOMPARE(changes.count(), 1);
        QCOMPARE(app.main().trainList().summaries().first(), QStringLiteral("Vleč 734 - ( výchozí ) - 2.kol - Zálesí - 06:07 - 06:30"));
        QCOMPARE(selectedRow(app), 3);
        QCOMPARE(app.main().trainList().summaries().at(3).left(6), QStringLiteral("R 1142"));
    }
};

QTEST_MAIN(EditingCommandsTest)
#include "editing_commands_test.moc"
