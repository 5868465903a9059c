#include "train_dialog_driver.h"

#include "document/document_lines.h"
#include "document/train_list_model.h"
#include "editing/range_field.h"

#include <QAction>
#include <QListView>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

enum class Command { AddTrain, EditTrain, RemoveTrain, Properties, CopyTrain, RepeatTrain, SortTrains, SourceTyping };

QPlainTextEdit *sourceView(App &app) { return app.main().findChild<QPlainTextEdit *>(QStringLiteral("B0")); }
bool enabled(App &app, const char *action) { return app.main().findChild<QAction *>(QString::fromLatin1(action))->isEnabled(); }

int selectedRow(App &app)
{
    const QModelIndexList selected =
        app.main().findChild<QListView *>(QStringLiteral("B1"))->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

// Saves a Hutky timetable of three trains (Os 4521; R 1142 from and to
// Vrbinov, with a note; Vleč 734 starting here) with the editor and opens it
// again, so that its history is empty and its bytes are the editor's own. The path.
QString openSavedTimetable(App &app)
{
    const QString vehicles = QStringLiteral("012013000000000000000000000000");
    setTimetable(app, kHutky);
    app.lines().replaceLine(6, QStringLiteral("vozy.txt"));
    app.lines().appendLine(kHutkyRecord);
    app.lines().appendLine(record(u"15", u"01142", u"2075808030500", u"1", u"1", u"2081008302000", vehicles, u"posila"));
    app.lines().appendLine(record(u"27", u"00734", u"0000000000000", u"2", u"1", u"1060706302300", vehicles));
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
    if (command == Command::EditTrain || command == Command::RemoveTrain)
        selectTrain(app, 1);
    else if (command == Command::CopyTrain || command == Command::RepeatTrain)
        selectTrain(app, 0);
    switch (command) {
    case Command::AddTrain:
        app.trigger("E2");
        dialog.fillHutkyTrain();
        dialog.type("B4", QStringLiteral("999"));
        return dialog.click("F7");
    case Command::EditTrain:
        app.trigger("E3");
        dialog.type("F5", QStringLiteral("zpožděn"));
        return dialog.click("F7");
    case Command::RemoveTrain:
        app.prompts.answer(Prompts::Answer::Yes);
        return app.trigger("E4");
    case Command::Properties: {
        app.trigger("D8");
        const auto set = [&app](const char *field, const QString &text) {
            app.forms->A1.findChild<QLineEdit *>(QString::fromLatin1(field))->setText(text);
        };
        set("B3", QStringLiteral("Letní grafikon"));
        set("C1", QStringLiteral("Novák"));
        set("C5", QStringLiteral("zkouška"));
        return QTest::mouseClick(app.forms->A1.findChild<QPushButton *>(QStringLiteral("D1")), Qt::LeftButton);
    }
    case Command::CopyTrain:
        app.trigger("G3");
        return dialog.click("F7");
    case Command::RepeatTrain:
        app.trigger("G4");
        app.forms->A5.findChild<RangeField *>(QStringLiteral("B1"))->setNumber(3);
        return QTest::mouseClick(app.forms->A5.findChild<QPushButton *>(QStringLiteral("B7")), Qt::LeftButton);
    case Command::SortTrains:
        return app.trigger("G6");
    case Command::SourceTyping: {
        QTextCursor cursor(sourceView(app)->document()->findBlockByNumber(31));
        cursor.movePosition(QTextCursor::EndOfBlock);
        sourceView(app)->setTextCursor(cursor);
        return QTest::keyClicks(sourceView(app), QStringLiteral(" pozor"));
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
        QTest::addColumn<bool>("undoInSource"); // Ctrl+Z in the source view rather than "Zpět"

        QTest::newRow("add train") << Command::AddTrain << 1 << false;
        QTest::newRow("edit train") << Command::EditTrain << 1 << false;
        QTest::newRow("remove train") << Command::RemoveTrain << 1 << false;
        QTest::newRow("remove train, Ctrl+Z in the source view") << Command::RemoveTrain << 1 << true;
        QTest::newRow("properties") << Command::Properties << 3 << false;
        QTest::newRow("copy train") << Command::CopyTrain << 1 << false;
        QTest::newRow("repeat train") << Command::RepeatTrain << 3 << false;
        QTest::newRow("sort trains") << Command::SortTrains << 1 << false;
        QTest::newRow("typing in the source view") << Command::SourceTyping << 6 << false;
    }

    void everyCommandIsOneStepThatUndoAndRedoRestore()
    {
        QFETCH(Command, command);
        QFETCH(int, changedLines);
        QFETCH(bool, undoInSource);

        App app;
        openSavedTimetable(app);
        QVERIFY(!enabled(app, "G1"));
        const QString opened = app.lines().text();
        QSignalSpy changes(sourceView(app), &QPlainTextEdit::textChanged);
        run(app, command);
        QCOMPARE(changes.count(), changedLines);
        const QString changed = app.lines().text();
        QVERIFY(changed != opened);
        QVERIFY(enabled(app, "G1"));
        QVERIFY(!enabled(app, "G2"));

        changes.clear();
        if (undoInSource) {
            sourceView(app)->setFocus();
            QTest::keyClick(sourceView(app), Qt::Key_Z, Qt::ControlModifier);
        } else {
            app.trigger("G1");
        }
        QCOMPARE(app.lines().text(), opened);
        QCOMPARE(changes.count(), 1);
        QVERIFY(app.state().DocumentModified);
        QVERIFY(!enabled(app, "G1"));
        QVERIFY(enabled(app, "G2"));

        app.trigger("G2");
        QCOMPARE(app.lines().text(), changed);
        QVERIFY(!enabled(app, "G2"));
        QVERIFY(app.prompts.unexpected.isEmpty());
    }

    void undoingEveryCommandInTurnGivesTheOpenedFileBack()
    {
        App app;
        const QString path = openSavedTimetable(app);
        const QByteArray saved = readFile(path);
        const Command commands[] = {Command::AddTrain, Command::RemoveTrain, Command::EditTrain, Command::Properties,
                                    Command::CopyTrain, Command::RepeatTrain, Command::SortTrains};
        for (Command command : commands)
            run(app, command);
        for (int i = 0; i < int(std::size(commands)); ++i)
            app.trigger("G1");
        QVERIFY(!enabled(app, "G1"));
        app.trigger("D4");
        QCOMPARE(readFile(path), saved);
        QVERIFY(app.prompts.unexpected.isEmpty());
    }

    // Well over a thousand steps all come back, down to the opened text.
    void theHistoryKeepsOverAThousandSteps()
    {
        constexpr int kSteps = 1200;
        App app;
        openSavedTimetable(app);
        const QString opened = app.lines().text();
        for (int i = 1; i <= kSteps; ++i) {
            DocumentLines::Step step(app.lines());
            app.lines().replaceLine(11, QString::number(i)); // a header line nothing reads
        }
        int undone = 0;
        while (enabled(app, "G1") && undone <= kSteps) {
            app.trigger("G1");
            ++undone;
        }
        QCOMPARE(undone, kSteps);
        QCOMPARE(app.lines().text(), opened);
    }

    void redoAnswersBothShortcuts()
    {
        App app;
        QCOMPARE(app.main().findChild<QAction *>(QStringLiteral("G2"))->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
    }

    void saveKeepsTheHistoryNewAndOpenStartItAnew()
    {
        App app;
        const QString path = openSavedTimetable(app);
        app.trigger("D4");
        QVERIFY(!enabled(app, "G1")); // saving an untouched document is no step
        run(app, Command::RemoveTrain);
        app.trigger("D4");
        QVERIFY(!app.state().DocumentModified);
        // The save's header stamp belongs to the last step: one undo takes
        // back the removal, and the document is modified again.
        app.trigger("G1");
        QCOMPARE(app.trainList().rowCount(), 3);
        QVERIFY(app.state().DocumentModified);
        QVERIFY(!enabled(app, "G1"));

        app.trigger("G2");
        app.prompts.answer(Prompts::Answer::No);
        app.trigger("D2");
        QVERIFY(!enabled(app, "G1"));
        QVERIFY(!enabled(app, "G2"));

        app.prompts.chooseFile(path);
        app.trigger("D3");
        run(app, Command::AddTrain);
        app.prompts.chooseFile(path);
        app.prompts.answer(Prompts::Answer::No);
        app.trigger("D3");
        QVERIFY(!enabled(app, "G1"));
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
        QCOMPARE(selectedRow(app), undoneRow);
        app.trigger("G2");
        QCOMPARE(selectedRow(app), redoneRow);
    }
};

QTEST_MAIN(DocumentHistoryTest)
#include "document_history_test.moc"
