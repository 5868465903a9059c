#include "train_dialog_driver.h"

#include "document/document_lines.h"
#include "document/train_list_model.h"

#include <QAction>
#include <QListView>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTextBlock>
#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

const QString kVehicles = QStringLiteral("012013000000000000000000000000");
// R 1142 from and to Vrbinov, with a note; Vleč 734 starting here.
const QString kOther = record(u"15", u"01142", u"2075808030500", u"1", u"1", u"2081008302000", kVehicles, u"posila");
const QString kThird = record(u"27", u"00734", u"0000000000000", u"2", u"1", u"1060706302300", kVehicles);

enum class Command { AddTrain, EditTrain, RemoveTrain, Properties, CopyTrain, RepeatTrain, SortTrains, SourceTyping };

QPlainTextEdit *sourceView(App &app) { return app.main().findChild<QPlainTextEdit *>(QStringLiteral("B0")); }
QListView *listView(App &app) { return app.main().findChild<QListView *>(QStringLiteral("B1")); }
QAction *action(App &app, const char *name) { return app.main().findChild<QAction *>(QString::fromLatin1(name)); }

std::optional<int> selectedRow(App &app)
{
    const QModelIndexList selected = listView(app)->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? std::nullopt : std::optional<int>(selected.first().row());
}

// Saves a Hutky timetable of three trains with the editor and opens it again,
// so that its history is empty and its bytes are the editor's own. The path.
QString openSavedTimetable(App &app)
{
    setTimetable(app, kHutky);
    app.lines().replaceLine(6, QStringLiteral("vozy.txt"));
    for (const QString &record : {kHutkyRecord, kOther, kThird})
        app.lines().appendLine(record);
    const QString path = app.path(QStringLiteral("plan.46g"));
    app.prompts.chooseFile(path);
    app.trigger("D4");
    app.prompts.chooseFile(path);
    app.trigger("D3");
    return path;
}

void run(App &app, Command command)
{
    TrainDialog dialog(app);
    switch (command) {
    case Command::AddTrain:
        app.trigger("E2");
        dialog.fillHutkyTrain();
        dialog.type("B4", QStringLiteral("999"));
        dialog.click("F7");
        break;
    case Command::EditTrain:
        selectTrain(app, 1);
        app.trigger("E3");
        dialog.type("F5", QStringLiteral("zpožděn"));
        dialog.click("F7");
        break;
    case Command::RemoveTrain:
        selectTrain(app, 1);
        app.prompts.answer(Prompts::Answer::Yes);
        app.trigger("E4");
        break;
    case Command::Properties: {
        app.trigger("D8");
        TA1 &properties = app.forms->A1;
        properties.findChild<QLineEdit *>(QStringLiteral("B3"))->setText(QStringLiteral("Letní grafikon"));
        properties.findChild<QLineEdit *>(QStringLiteral("C1"))->setText(QStringLiteral("Novák"));
        properties.findChild<QLineEdit *>(QStringLiteral("C5"))->setText(QStringLiteral("zkouška"));
        QTest::mouseClick(properties.findChild<QPushButton *>(QStringLiteral("D1")), Qt::LeftButton);
        break;
    }
    case Command::CopyTrain:
        selectTrain(app, 0);
        app.trigger("G3");
        dialog.click("F7");
        break;
    case Command::RepeatTrain: {
        selectTrain(app, 0);
        app.trigger("G4");
        app.forms->A5.findChild<QSpinBox *>(QStringLiteral("B1"))->setValue(3);
        QTest::mouseClick(app.forms->A5.findChild<QPushButton *>(QStringLiteral("B7")), Qt::LeftButton);
        break;
    }
    case Command::SortTrains:
        app.trigger("G6");
        break;
    case Command::SourceTyping: {
        QTextCursor cursor(sourceView(app)->document()->findBlockByNumber(31));
        cursor.movePosition(QTextCursor::EndOfBlock);
        sourceView(app)->setTextCursor(cursor);
        QTest::keyClicks(sourceView(app), QStringLiteral(" pozor"));
        break;
    }
    }
}

} // namespace

// The document's history: every command is one step that undo and redo take
// back and bring again, exactly, in the one history the source view keeps too.
class DocumentHistoryTest : public QObject {
    Q_OBJECT

private slots:
    void everyCommandIsOneStepThatUndoAndRedoRestore_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<int>("changedLines"); // lines the command writes, each one run of the change handler

        QTest::newRow("add train") << Command::AddTrain << 1;
        QTest::newRow("edit train") << Command::EditTrain << 1;
        QTest::newRow("remove train") << Command::RemoveTrain << 1;
        QTest::newRow("properties") << Command::Properties << 3;
        QTest::newRow("copy train") << Command::CopyTrain << 1;
        QTest::newRow("repeat train") << Command::RepeatTrain << 3;
        QTest::newRow("sort trains") << Command::SortTrains << 1;
        QTest::newRow("typing in the source view") << Command::SourceTyping << 6;
    }

    void everyCommandIsOneStepThatUndoAndRedoRestore()
    {
        QFETCH(Command, command);
        QFETCH(int, changedLines);

        App app;
        openSavedTimetable(app);
        QVERIFY(!action(app, "G1")->isEnabled());
        const QString opened = app.lines().text();
        QSignalSpy changes(sourceView(app), &QPlainTextEdit::textChanged);
        run(app, command);
        QCOMPARE(changes.count(), changedLines);
        const QString changed = app.lines().text();
        QVERIFY(changed != opened);
        QVERIFY(action(app, "G1")->isEnabled());
        QVERIFY(!action(app, "G2")->isEnabled());

        changes.clear();
        app.trigger("G1");
        QCOMPARE(app.lines().text(), opened);
        QCOMPARE(changes.count(), 1);
        QVERIFY(app.state().DocumentModified);
        QVERIFY(!action(app, "G1")->isEnabled());
        QVERIFY(action(app, "G2")->isEnabled());

        app.trigger("G2");
        QCOMPARE(app.lines().text(), changed);
        QVERIFY(!action(app, "G2")->isEnabled());
        QVERIFY(app.prompts.unexpected.isEmpty());
    }

    void undoingEveryCommandInTurnGivesTheOpenedFileBack()
    {
        App app;
        const QString path = openSavedTimetable(app);
        const QByteArray saved = readFile(path);
        const Command commands[] = {Command::AddTrain, Command::RemoveTrain, Command::EditTrain,
                                    Command::Properties, Command::CopyTrain, Command::RepeatTrain,
                                    Command::SortTrains};
        for (Command command : commands)
            run(app, command);
        for (int i = 0; i < int(std::size(commands)); ++i)
            app.trigger("G1");
        QVERIFY(!action(app, "G1")->isEnabled());
        app.trigger("D4");
        QCOMPARE(readFile(path), saved);
        QVERIFY(app.prompts.unexpected.isEmpty());
    }

    void redoAnswersBothShortcuts()
    {
        App app;
        QCOMPARE(action(app, "G2")->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
    }

    void saveKeepsTheHistoryNewAndOpenStartItAnew()
    {
        App app;
        const QString path = openSavedTimetable(app);
        run(app, Command::RemoveTrain);
        app.trigger("D4");
        QVERIFY(!app.state().DocumentModified);
        // The save's header stamp belongs to the last step: one undo takes
        // back the removal, and the document is modified again.
        app.trigger("G1");
        QCOMPARE(app.main().trainList().rowCount(), 3);
        QVERIFY(app.state().DocumentModified);
        QVERIFY(!action(app, "G1")->isEnabled());

        app.trigger("G2");
        app.prompts.answer(Prompts::Answer::No);
        app.trigger("D2");
        QVERIFY(!action(app, "G1")->isEnabled());
        QVERIFY(!action(app, "G2")->isEnabled());

        app.prompts.chooseFile(path);
        app.trigger("D3");
        run(app, Command::AddTrain);
        app.prompts.chooseFile(path);
        app.prompts.answer(Prompts::Answer::No);
        app.trigger("D3");
        QVERIFY(!action(app, "G1")->isEnabled());
    }

    void savingAnUntouchedDocumentLeavesNothingToUndo()
    {
        App app;
        openSavedTimetable(app);
        app.trigger("D4");
        QVERIFY(!action(app, "G1")->isEnabled());
    }

    void undoSelectsTheTrainTheStepTouched_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<int>("undoneRow"); // -1: none, the train is gone
        QTest::addColumn<int>("redoneRow");

        QTest::newRow("remove") << Command::RemoveTrain << 1 << -1;
        QTest::newRow("edit") << Command::EditTrain << 1 << 1;
        QTest::newRow("add") << Command::AddTrain << -1 << 3;
        QTest::newRow("properties") << Command::Properties << -1 << -1;
    }

    void undoSelectsTheTrainTheStepTouched()
    {
        QFETCH(Command, command);
        QFETCH(int, undoneRow);
        QFETCH(int, redoneRow);

        App app;
        openSavedTimetable(app);
        run(app, command);
        app.trigger("G1");
        QCOMPARE(selectedRow(app).value_or(-1), undoneRow);
        app.trigger("G2");
        QCOMPARE(selectedRow(app).value_or(-1), redoneRow);
    }

    void theSourceViewUndoesTheSameHistory()
    {
        App app;
        openSavedTimetable(app);
        const QString opened = app.lines().text();
        run(app, Command::RemoveTrain);
        sourceView(app)->setFocus();
        QTest::keyClick(sourceView(app), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(app.lines().text(), opened);

        run(app, Command::SourceTyping);
        app.trigger("G1");
        QCOMPARE(app.lines().text(), opened);
    }

    void copyingNeedsASelectedTrainAndAppendsTheCopy()
    {
        App app;
        openSavedTimetable(app);
        app.trigger("G3");
        QCOMPARE(app.prompts.messages(),
                 QStringList{QStringLiteral("Není vybraný žádný vlak. Zvolte vlak, který chcete kopírovat.")});
        QVERIFY(app.main().isEnabled());

        selectTrain(app, 0);
        app.trigger("G3");
        TrainDialog dialog(app);
        QVERIFY(dialog.form().isVisible());
        QCOMPARE(dialog.form().windowTitle(), QStringLiteral("Přidat vlak"));
        QCOMPARE(dialog.edit("B4")->text(), QStringLiteral("4521"));
        dialog.type("B4", QStringLiteral("4523"));
        dialog.click("F7");
        QCOMPARE(app.lines().lineCount(), 34);
        QCOMPARE(app.lines().line(31), kHutkyRecord);
        QCOMPARE(app.lines().line(34), QString(kHutkyRecord).replace(2, 5, QStringLiteral("04523")));
    }
};

QTEST_MAIN(DocumentHistoryTest)
#include "document_history_test.moc"
