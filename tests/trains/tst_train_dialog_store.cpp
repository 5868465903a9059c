#include "train_dialog_driver.h"

#include "document/train_list_model.h"

#include <QListView>
#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

const QString kVehicles = QStringLiteral("012013000000000000000000000000");

// Three trains of "Zelto ŽST Hutky", told apart by their numbers.
const QStringList kTrains = {
    record(u"18", u"00101", u"1070507120700", u"1", u"1", u"2071307402700", kVehicles),
    record(u"15", u"00202", u"2080008101000", u"2", u"1", u"1081108200900", kVehicles, u"druhý"),
    record(u"19", u"00303", u"1090009151500", u"0", u"1", u"2092009301000", kVehicles),
};

// A Hutky timetable holding lines after the header.
void openTimetable(App &app, const QStringList &trainLines)
{
    setTimetable(app, kHutky);
    for (const QString &line : trainLines)
        app.lines().appendLine(line);
}

} // namespace

// What the train dialog's "OK" stores, where, and what closing keeps.
class TrainDialogStoreTest : public QObject {
    Q_OBJECT

private slots:
    void addingAppendsWhateverIsSelected()
    {
        App app;
        TrainDialog dialog(app);
        openTimetable(app, kTrains);
        selectTrain(app, 1);
        app.trigger("E2");
        dialog.fillHutkyTrain();
        dialog.click("F7");
        QCOMPARE(app.prompts.messages(), QStringList{});
        QCOMPARE(app.lines().allLines().mid(30), kTrains + QStringList{kHutkyRecord});
        QVERIFY(!dialog.form().isVisible());
        QVERIFY(app.main().isEnabled());
        QVERIFY(app.state().DocumentModified);
        QCOMPARE(app.trainList().summaries().size(), 4);
    }

    void startingAndEndingTrainsWriteEmptyBlocks_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("cleared");
        QTest::addColumn<QString>("expected");

        QTest::newRow("Výchozí") << "D7" << QStringList{"C8", "D0", "D2", "D4", "D6"}
                                 << record(u"18", u"04521", u"0000000000000", u"1", u"1", u"2071307402700", kVehicles);
        QTest::newRow("Končící") << "F2" << QStringList{"E3", "E5", "E7", "E9", "F1"}
                                 << record(u"18", u"04521", u"1070507120700", u"1", u"1", u"0000000000000", kVehicles);
    }

    void startingAndEndingTrainsWriteEmptyBlocks()
    {
        QFETCH(QString, box);
        QFETCH(QStringList, cleared);
        QFETCH(QString, expected);
        App app;
        TrainDialog dialog(app);
        openTimetable(app, {});
        app.trigger("E2");
        dialog.fillHutkyTrain();
        for (const QString &name : cleared)
            dialog.list(name.toLatin1().constData())->setCurrentIndex(-1);
        dialog.click(box.toLatin1().constData());
        dialog.click("F7");
        QCOMPARE(app.prompts.messages(), QStringList{});
        QCOMPARE(app.lines().line(31), expected);
    }

    void passingTrainsWriteTheirPassageCode()
    {
        App app;
        TrainDialog dialog(app);
        openTimetable(app, {});
        app.trigger("E2");
        dialog.fillHutkyTrain();
        dialog.click("D8");
        dialog.click("F3");
        dialog.type("F5", QStringLiteral("Pozor, objížďka"));
        dialog.click("F7");
        QCOMPARE(app.lines().line(31), record(u"18", u"04521", u"1070507120700", u"1", u"4", u"2071207402800",
                                              kVehicles, u"Pozor, objížďka"));
    }

    void editingReplacesTheLineOfTheSelectedTrain_data()
    {
        QTest::addColumn<QStringList>("document");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("line");

        QTest::newRow("third train") << kTrains << 2 << 33;
        QTest::newRow("empty line among the trains")
            << QStringList{kTrains[0], QString(), kTrains[1], kTrains[2]} << 2 << 34;
    }

    void editingReplacesTheLineOfTheSelectedTrain()
    {
        QFETCH(QStringList, document);
        QFETCH(int, row);
        QFETCH(int, line);
        App app;
        TrainDialog dialog(app);
        openTimetable(app, document);
        const QStringList before = app.lines().allLines();
        selectTrain(app, row);
        app.trigger("E3");
        QCOMPARE(dialog.form().windowTitle(), QStringLiteral("Upravit vlak"));
        dialog.type("B4", QStringLiteral("7"));
        dialog.click("F7");
        QCOMPARE(app.prompts.messages(), QStringList{});
        QStringList expected = before;
        expected[line - 1] = QString(before[line - 1]).replace(2, 5, QStringLiteral("00007"));
        QCOMPARE(app.lines().allLines(), expected);
        QVERIFY(!dialog.form().isVisible());
    }

    void editingWithoutASelectedTrainWritesNothing()
    {
        App app;
        TrainDialog dialog(app);
        openTimetable(app, kTrains);
        selectTrain(app, 0);
        app.trigger("E3");
        app.main().findChild<QListView *>(QStringLiteral("B1"))->clearSelection();
        const QString document = app.lines().text();
        dialog.click("F7");
        QCOMPARE(app.prompts.messages(),
                 QStringList{"Není vybraný žádný vlak. Zvolte vlak, který chcete upravit."});
        QCOMPARE(app.lines().text(), document);
        QVERIFY(dialog.form().isVisible());
    }

    void stornoStoresNothingAndKeepsTheNote()
    {
        App app;
        TrainDialog dialog(app);
        openTimetable(app, kTrains);
        app.trigger("E2");
        dialog.fillHutkyTrain();
        dialog.type("F5", QStringLiteral("poznámka"));
        const QString document = app.lines().text();
        dialog.click("F6");
        QCOMPARE(app.lines().text(), document);
        QVERIFY(!dialog.form().isVisible());
        QVERIFY(app.main().isEnabled());
        app.trigger("E2");
        QCOMPARE(dialog.edit("F5")->text(), QStringLiteral("poznámka"));
        QCOMPARE(dialog.edit("B4")->text(), QString());
    }

    void aNoteOfAnyLengthIsStoredWhole_data()
    {
        QTest::addColumn<bool>("editing");
        QTest::newRow("pasted into a new train") << false;
        QTest::newRow("loaded with the train being edited") << true;
    }

    void aNoteOfAnyLengthIsStoredWhole()
    {
        QFETCH(bool, editing);
        // Longer than a single-line edit holds unless told otherwise (32,767).
        QString note(40000, u'x');
        note[0] = u'Z';
        note[note.size() - 1] = u'K';
        const QString train = record(u"18", u"04521", u"1070507120700", u"1", u"1", u"2071307402700", kVehicles, note);
        App app;
        TrainDialog dialog(app);
        if (editing) {
            openTimetable(app, {train});
            selectTrain(app, 0);
            app.trigger("E3");
        } else {
            openTimetable(app, {});
            app.trigger("E2");
            dialog.fillHutkyTrain();
            dialog.edit("F5")->clear();
            dialog.edit("F5")->insert(note); // what pasting does
        }
        QCOMPARE(dialog.edit("F5")->text().size(), note.size());
        dialog.click("F7");
        QCOMPARE(app.prompts.messages(), QStringList{});
        QCOMPARE(app.lines().lineCount(), 31);
        QCOMPARE(app.lines().line(31), train);
    }

    void skalinTrainsCarryTrackZero()
    {
        App app;
        TrainDialog dialog(app);
        setTimetable(app, kSkalin);
        app.trigger("E2");
        dialog.fillHutkyTrain();
        QCOMPARE(dialog.list("E0")->count(), 0);
        dialog.click("F7");
        QCOMPARE(app.prompts.messages(), QStringList{});
        QCOMPARE(app.lines().line(31),
                 record(u"18", u"04521", u"1070507120700", u"0", u"1", u"2071307402700", kVehicles));
    }

    void neighbourCodeIsThePositionInTheList()
    {
        // Header line 7 naming a fixed station lists it twice; each entry keeps its own code.
        App app;
        TrainDialog dialog(app);
        setTimetable(app, kVrbinov, QStringLiteral("Hutky"));
        app.trigger("E2");
        dialog.fillHutkyTrain();
        dialog.choose("C8", 1);
        dialog.choose("E3", 0);
        dialog.choose("E0", 5);
        dialog.click("F7");
        QCOMPARE(app.prompts.messages(), QStringList{});
        QCOMPARE(app.lines().line(31),
                 record(u"18", u"04521", u"2070507120700", u"0", u"1", u"1071307402700", kVehicles));
    }
};

QTEST_MAIN(TrainDialogStoreTest)
#include "tst_train_dialog_store.moc"
