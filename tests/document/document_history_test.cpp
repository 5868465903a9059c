#include "train_dialog_driver.h"

#include "document/document_files.h"
#include "document/document_lines.h"
#include "document/header_lines.h"
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

enum class Command {
    AddTrain, EditTrain, RemoveTrain, Properties, CopyTrain, RepeatTrain, RepeatTrain99Times, SortTrains, SourceTyping
};

QPlainTextEdit *sourceView(App &app) { return app.main().findChild<QPlainTextEdit *>(QStringLiteral("B0")); }
QAbstractItemModel *trainList(App &app) { return &app.trainList(); }
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

// Opens a saved timetable of trains copies of kHutkyRecord, numbered by their row.
void openLongTimetable(App &app, int trains)
{
    setTimetable(app, kHutky);
    {
        DocumentLines::Step step(app.lines());
        for (int row = 0; row < trains; ++row)
            app.lines().appendLine(QString(kHutkyRecord).replace(2, 5, QString::number(10000 + row)));
    }
    const QString path = app.path(QStringLiteral("dlouhy.46g"));
    app.prompts.chooseFile(path);
    app.trigger("D4");
    app.prompts.chooseFile(path);
    app.trigger("D3");
}

void run(App &app, Command command)
{
    TrainDialog dialog(app);
    if (command == Command::EditTrain || command == Command::RemoveTrain)
        selectTrain(app, 1);
    else if (command == Command::CopyTrain || command == Command::RepeatTrain || command == Command::RepeatTrain99Times)
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
    case Command::RepeatTrain99Times:
        app.trigger("G4");
        app.forms->A5.findChild<RangeField *>(QStringLiteral("B1"))->setNumber(command == Command::RepeatTrain ? 3 : 99);
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
        QTest::addColumn<int>("runs"); // of the change handler: once a command, once each change typed
        QTest::addColumn<bool>("undoInSource"); // Ctrl+Z in the source view rather than "Zpět"

        QTest::newRow("add train") << Command::AddTrain << 1 << false;
        QTest::newRow("edit train") << Command::EditTrain << 1 << false;
        QTest::newRow("remove train") << Command::RemoveTrain << 1 << false;
        QTest::newRow("remove train, Ctrl+Z in the source view") << Command::RemoveTrain << 1 << true;
        QTest::newRow("properties, three lines") << Command::Properties << 1 << false;
        QTest::newRow("copy train") << Command::CopyTrain << 1 << false;
        QTest::newRow("repeat train") << Command::RepeatTrain << 1 << false;
        QTest::newRow("repeat train, 99 copies") << Command::RepeatTrain99Times << 1 << false;
        QTest::newRow("sort trains") << Command::SortTrains << 1 << false;
        QTest::newRow("typing in the source view") << Command::SourceTyping << 6 << false;
    }

    // The change handler rebuilds the list once in each of its runs; undo and
    // redo run it once too. Undone, the document is the opened one again and
    // holds nothing unsaved.
    void everyCommandIsOneStepThatUndoAndRedoRestore()
    {
        QFETCH(Command, command);
        QFETCH(int, runs);
        QFETCH(bool, undoInSource);

        App app;
        openSavedTimetable(app);
        QVERIFY(!enabled(app, "G1"));
        const QString opened = app.lines().text();
        QSignalSpy rebuilds(trainList(app), &QAbstractItemModel::modelReset);
        run(app, command);
        QCOMPARE(rebuilds.count(), runs);
        const QString changed = app.lines().text();
        QVERIFY(changed != opened);
        QVERIFY(app.state().DocumentModified);
        QVERIFY(enabled(app, "G1"));
        QVERIFY(!enabled(app, "G2"));

        rebuilds.clear();
        if (undoInSource) {
            sourceView(app)->setFocus();
            QTest::keyClick(sourceView(app), Qt::Key_Z, Qt::ControlModifier);
        } else {
            app.trigger("G1");
        }
        QCOMPARE(app.lines().text(), opened);
        QCOMPARE(rebuilds.count(), 1);
        QVERIFY(!app.state().DocumentModified);
        QVERIFY(!enabled(app, "G1"));
        QVERIFY(enabled(app, "G2"));

        rebuilds.clear();
        app.trigger("G2");
        QCOMPARE(app.lines().text(), changed);
        QCOMPARE(rebuilds.count(), 1);
        QVERIFY(app.state().DocumentModified);
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

        app.trigger("G2"); // back at the saved text: New asks nothing
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

    void typingIsAStepApartFromTheCommands_data()
    {
        QTest::addColumn<Command>("before");
        QTest::addColumn<Command>("after");

        QTest::newRow("the dialog's edit, then typing") << Command::EditTrain << Command::SourceTyping;
        QTest::newRow("typing, then the dialog's edit") << Command::SourceTyping << Command::EditTrain;
        QTest::newRow("properties, then typing") << Command::Properties << Command::SourceTyping;
        QTest::newRow("typing, then a removal") << Command::SourceTyping << Command::RemoveTrain;
    }

    void typingIsAStepApartFromTheCommands()
    {
        QFETCH(Command, before);
        QFETCH(Command, after);

        App app;
        openSavedTimetable(app);
        const QString opened = app.lines().text();
        run(app, before);
        const QString between = app.lines().text();
        run(app, after);
        app.trigger("G1");
        QCOMPARE(app.lines().text(), between);
        app.trigger("G1");
        QCOMPARE(app.lines().text(), opened);
        QVERIFY(!enabled(app, "G1"));
    }

    void saveChangesNeitherUndoNorRedo_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<bool>("undoneBeforeSaving");
        QTest::addColumn<QByteArray>("saveItem");

        QTest::newRow("removal undone, Save, redo") << Command::RemoveTrain << true << QByteArray("D4");
        QTest::newRow("removal undone, Save as, redo") << Command::RemoveTrain << true << QByteArray("D5");
        QTest::newRow("typing undone, Save, redo") << Command::SourceTyping << true << QByteArray("D4");
        QTest::newRow("typing, Save, undo") << Command::SourceTyping << false << QByteArray("D4");
        QTest::newRow("typing, Save as, undo") << Command::SourceTyping << false << QByteArray("D5");
        QTest::newRow("removal, Save, undo") << Command::RemoveTrain << false << QByteArray("D4");
        QTest::newRow("repeat, Save, undo") << Command::RepeatTrain << false << QByteArray("D4");
    }

    // After a save the next undo takes back the last command, the next redo
    // brings the undone one again, and neither stops at the header stamp.
    void saveChangesNeitherUndoNorRedo()
    {
        QFETCH(Command, command);
        QFETCH(bool, undoneBeforeSaving);
        QFETCH(QByteArray, saveItem);

        App app;
        openSavedTimetable(app);
        const QString opened = app.lines().text();
        run(app, command);
        const QString changed = app.lines().text();
        if (undoneBeforeSaving)
            app.trigger("G1");
        const bool couldUndo = enabled(app, "G1");
        const bool couldRedo = enabled(app, "G2");
        app.prompts.chooseFile(app.path(QStringLiteral("jinam.46g"))); // for Save as
        app.trigger(saveItem.constData());
        QVERIFY(!app.state().DocumentModified);
        QCOMPARE(enabled(app, "G1"), couldUndo);
        QCOMPARE(enabled(app, "G2"), couldRedo);

        app.trigger(undoneBeforeSaving ? "G2" : "G1");
        QCOMPARE(app.lines().text(), undoneBeforeSaving ? changed : opened);
        QVERIFY(app.state().DocumentModified);
        QVERIFY(app.prompts.unexpected.isEmpty());
    }

    void theUnsavedStateFollowsTheHistory_data()
    {
        QTest::addColumn<Command>("command");

        QTest::newRow("remove train") << Command::RemoveTrain;
        QTest::newRow("add train") << Command::AddTrain;
        QTest::newRow("properties") << Command::Properties;
        QTest::newRow("repeat train") << Command::RepeatTrain;
        QTest::newRow("sort trains") << Command::SortTrains;
        QTest::newRow("typing in the source view") << Command::SourceTyping;
    }

    // Back at the opened text nothing is unsaved: the panel is empty and New
    // asks no question.
    void theUnsavedStateFollowsTheHistory()
    {
        QFETCH(Command, command);
        const QString modified = QStringLiteral("Změněno");

        App app;
        const QString path = openSavedTimetable(app);
        QCOMPARE(app.panel(2), QString());
        run(app, command);
        QCOMPARE(app.panel(2), modified);
        QVERIFY(app.state().DocumentModified);
        app.trigger("G1");
        QCOMPARE(app.panel(2), QString());
        QVERIFY(!app.state().DocumentModified);
        app.trigger("G2");
        QCOMPARE(app.panel(2), modified);
        app.trigger("G1");
        QCOMPARE(app.panel(1), path);

        app.prompts.reset();
        app.trigger("D2");
        QCOMPARE(app.prompts.shown, QStringList{});
        QCOMPARE(app.panel(2), QString());
        QCOMPARE(app.panel(1), DocumentFiles::kNewDocumentStatus);
    }

    void undoAndRedoShowTheLineTheStepChanged_data()
    {
        QTest::addColumn<QByteArray>("viewItem");
        QTest::addColumn<QByteArray>("historyItem");

        QTest::newRow("list, undo") << QByteArray("E9") << QByteArray("G1");
        QTest::newRow("list, redo") << QByteArray("E9") << QByteArray("G2");
        QTest::newRow("source view, undo") << QByteArray("F0") << QByteArray("G1");
        QTest::newRow("source view, redo") << QByteArray("F0") << QByteArray("G2");
    }

    // A train far down a long timetable is removed and the view moved to the
    // top; undoing (or redoing) the removal brings the view back to it: the
    // train restored (or the one in its place) selected and in sight, in the
    // source view the cursor on its line in the middle of the view.
    void undoAndRedoShowTheLineTheStepChanged()
    {
        QFETCH(QByteArray, viewItem);
        QFETCH(QByteArray, historyItem);
        constexpr int kTrains = 200;
        constexpr int kRow = 120;

        App app;
        openLongTimetable(app, kTrains);
        app.main().resize(700, 500);
        app.main().show();
        selectTrain(app, kRow);
        app.prompts.answer(Prompts::Answer::Yes);
        app.trigger("E4");
        if (historyItem == "G2")
            app.trigger("G1");
        app.trigger(viewItem.constData());
        auto *list = app.main().findChild<QListView *>(QStringLiteral("B1"));
        list->clearSelection();
        list->scrollToTop();
        sourceView(app)->moveCursor(QTextCursor::Start);

        app.trigger(historyItem.constData());
        QCOMPARE(selectedRow(app), kRow);
        if (viewItem == "E9") {
            const QRect item = list->visualRect(list->model()->index(kRow, 0));
            QVERIFY(list->viewport()->rect().contains(item));
        } else {
            QPlainTextEdit *view = sourceView(app);
            QCOMPARE(view->textCursor().blockNumber(), HeaderLine::FirstTrain - 1 + kRow);
            const int offCentre = view->cursorRect().center().y() - view->viewport()->height() / 2;
            QVERIFY2(std::abs(offCentre) <= view->cursorRect().height(), qPrintable(QString::number(offCentre)));
        }
    }

    void undoSelectsTheTrainTheStepTouched_data()
    {
        QTest::addColumn<Command>("command");
        // -1: none, a header line changed; where the train is gone, the one
        // that took its place, or the last one.
        QTest::addColumn<int>("undoneRow");
        QTest::addColumn<int>("redoneRow");

        QTest::newRow("remove") << Command::RemoveTrain << 1 << 1;
        QTest::newRow("edit") << Command::EditTrain << 1 << 1;
        QTest::newRow("add") << Command::AddTrain << 2 << 3;
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
