#include "app_fixture.h"
#include "document/menu_keys.h"
#include "document/tool_bar.h"
#include "document/train_list_model.h"

#include <QAction>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace tgx;
using namespace tgx::test;

namespace {

const QString kRecord = QStringLiteral("1804521107050712070011207130740270000012013000000000000000000000000");

QPlainTextEdit *sourceView(App &app) { return app.main().findChild<QPlainTextEdit *>(QStringLiteral("B0")); }
QListView *listView(App &app) { return app.main().findChild<QListView *>(QStringLiteral("B1")); }

void select(App &app, int row)
{
    QListView *list = listView(app);
    list->setCurrentIndex(list->model()->index(row, 0));
}

} // namespace

// The main window: start-up, menu and tool bar, views, the change handler,
// removing a train, opening dialogs and the close query.
class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithANewUnmodifiedDocument()
    {
        App app;
        QCOMPARE(app.main().windowTitle(), QStringLiteral("TGX editor"));
        QCOMPARE(app.lines().lineCount(), 30);
        QCOMPARE(app.lines().text(), QString(30, u'\n'));
        QVERIFY(!app.state().DocumentModified);
        QCOMPARE(app.state().DocumentFileName, QString());
        QCOMPARE(app.panel(0), QString());
        QCOMPARE(app.panel(1), QStringLiteral(" Nový grafikon (neuloženo)"));
        QVERIFY(sourceView(app)->isHidden());
        QVERIFY(!listView(app)->isHidden());
        QVERIFY(app.main().findChild<QAction *>(QStringLiteral("E9"))->isChecked());
        for (QWidget *dialog : std::initializer_list<QWidget *>{&app.forms->A1, &app.forms->A2, &app.forms->A3, &app.forms->A4})
            QVERIFY(!dialog->isVisible());
    }

    void menuTreeHasEveryCaptionAndShortcut()
    {
        App app;
        const QList<QMenu *> menus = app.main().menuBar()->findChildren<QMenu *>(Qt::FindDirectChildrenOnly);
        QStringList tree;
        for (QAction *top : app.main().menuBar()->actions()) {
            tree << top->menu()->objectName() + u'=' + shownCaption(top->text());
            for (QAction *item : top->menu()->actions()) {
                const QString caption = item->isSeparator() ? QStringLiteral("-") : shownCaption(item->text());
                QString entry = item->objectName() + u'=' + caption;
                for (const QKeySequence &shortcut : item->shortcuts())
                    entry += u'@' + shortcut.toString();
                tree << entry;
            }
        }
        QCOMPARE(tree, (QStringList{
            "D1=Soubor", "D2=Nový@Ctrl+N", "D3=Otevřít...@Ctrl+O", "D4=Uložit@Ctrl+S", "D5=Uložit jako...@Ctrl+Shift+S",
            "D6=-", "D7=Export", "D8=Vlastnosti...@Alt+Return@Alt+Enter", "D9=-", "E0=Konec", "J0=-", "J1=Nedávné soubory", "K0=-",
            "K1=Exportovat do tabulky...", "K2=Importovat z tabulky...", "K3=-", "K4=Tisk...@Ctrl+P",
            "E1=Editace", "E2=Přidat vlak...@F2", "E3=Upravit vlak...@F5", "E4=Odebrat vlak    @Del",
            "G0=-", "G1=Zpět@Ctrl+Z", "G2=Znovu@Ctrl+Y@Ctrl+Shift+Z", "G3=Kopírovat vlak...@Ctrl+D",
            "G4=Opakovat vlak...@Ctrl+R", "G5=Najít vlak...@Ctrl+F", "G6=Seřadit vlaky podle času@Ctrl+Shift+T",
            "E5=Zobrazit", "E9=Grafikon@Ctrl+1", "F0=Zdrojový kód@Ctrl+2", "G7=Obsazení kolejí@Ctrl+3@F6", "L0=Grafikon trati@Ctrl+4@F7",
            "F1=Nápověda", "F2=Nápověda pro TGX editor@F1", "F3=-", "F4=O programu TGX editor"}));
    }

    void toolBarShowsItsButtonsInOrderWithHints()
    {
        App app;
        auto *bar = app.main().findChild<ToolBar *>(QStringLiteral("B6"));
        QVERIFY(bar);
        QStringList items;
        for (QAction *item : bar->actions()) {
            QWidget *widget = bar->widgetForAction(item);
            if (qobject_cast<QToolButton *>(widget)) {
                QCOMPARE(widget->size(), QSize(27, 24));
                QVERIFY(!item->icon().isNull());
                items << item->objectName() + u'=' + item->toolTip();
            } else {
                items << QStringLiteral("|%1").arg(widget->width());
            }
        }
        QCOMPARE(items, (QStringList{"|8", "B8=Nový", "B9=Otevřít", "C0=Uložit", "|15", "C2=Přidat vlak",
                                     "C3=Upravit vlak", "C4=Odstranit vlak", "|15", "C9=Nápověda", "|15", "G8=Obsazení kolejí", "L1=Grafikon trati"}));
    }

    void toolBarCanBeRearrangedAndReset()
    {
        App app;
        auto *bar = app.main().findChild<ToolBar *>(QStringLiteral("B6"));
        const QList<QAction *> original = bar->actions();
        QAction *help = app.main().findChild<QAction *>(QStringLiteral("C9"));
        QAction *open = app.main().findChild<QAction *>(QStringLiteral("B9"));
        bar->moveButton(help, -1);
        QCOMPARE(bar->actions().indexOf(help), original.indexOf(help) - 1);
        bar->moveButton(help, +5); // beyond the end: stays where it is
        QCOMPARE(bar->actions().indexOf(help), original.indexOf(help) - 1);
        bar->setButtonShown(open, false);
        QVERIFY(!open->isVisible());
        bar->resetArrangement();
        QCOMPARE(bar->actions(), original);
        QVERIFY(open->isVisible());
        // A moved button still runs its command.
        bar->moveButton(help, -3);
        help->trigger();
        QVERIFY(app.forms->A2.isVisible());
    }

    void everyChangeRunsTheChangeHandlerOnce()
    {
        App app;
        QSignalSpy changes(sourceView(app), &QPlainTextEdit::textChanged);
        app.lines().replaceLine(2, QStringLiteral("Zelto ŽST Hutky"));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(app.panel(0), QStringLiteral("Zelto ŽST Hutky"));
        QVERIFY(app.state().DocumentModified);
        app.lines().appendLine(kRecord);
        app.lines().deleteLine(31);
        app.lines().replaceLine(99, QStringLiteral("nothing"));
        QCOMPARE(changes.count(), 3);
        QCOMPARE(app.lines().lineCount(), 30);
    }

    void typingInTheSourceViewUpdatesTheStatusAndTheList()
    {
        App app;
        app.main().show();
        app.trigger("F0");
        QPlainTextEdit *view = sourceView(app);
        QTextCursor cursor = view->textCursor();
        cursor.setPosition(1); // start of line 2
        view->setTextCursor(cursor);
        QTest::keyClicks(view, QStringLiteral("Ab"));
        QCOMPARE(app.panel(0), QStringLiteral("Ab"));
        QTest::keyClick(view, Qt::Key_Backspace);
        QCOMPARE(app.panel(0), QStringLiteral("A"));
        QVERIFY(app.state().DocumentModified);

        cursor.movePosition(QTextCursor::End);
        view->setTextCursor(cursor);
        QTest::keyClicks(view, kRecord.left(40));
        QCOMPARE(app.trainList().rowCount(), 1);
        QCOMPARE(app.trainList().documentLine(0), std::optional<int>(31));
    }

    void deleteInTheSourceViewDeletesTextNotATrain()
    {
        App app;
        app.lines().setText(QString(30, u'\n') + kRecord + u'\n');
        app.main().show();
        app.trigger("F0");
        app.prompts.reset();
        select(app, 0);
        QPlainTextEdit *view = sourceView(app);
        view->setFocus();
        QTextCursor cursor = view->textCursor();
        cursor.setPosition(30); // start of the record
        view->setTextCursor(cursor);
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(app.lines().line(31), kRecord.mid(1));
        QVERIFY(app.prompts.shown.isEmpty());
    }

    void aRecordThatCannotBeDecodedStopsTheListWithItsGuardText()
    {
        App app;
        QString text = QString(30, u'\n') + kRecord + u'\n' + QStringLiteral("18x4521") + kRecord.mid(7) + u'\n'
                       + kRecord + u'\n';
        app.lines().setText(text);
        QCOMPARE(app.trainList().rowCount(), 1); // the item before the failing record stays
        const QStringList messages = app.prompts.messages();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[0], QStringLiteral("Error 00B0"));
        QVERIFY2(messages[1].contains(QStringLiteral("32")) && messages[1].contains(QStringLiteral("x4521")),
                 qPrintable(messages[1]));
        QVERIFY(app.state().DocumentModified);
    }

    void removeTrainAsksAndDeletesTheSelectedLine()
    {
        App app;
        app.lines().setText(QString(30, u'\n') + kRecord + u'\n' + kRecord.left(2) + QStringLiteral("00007")
                            + kRecord.mid(7) + u'\n');
        app.state().DocumentModified = false;

        app.trigger("E4");
        QCOMPARE(app.prompts.messages(),
                 QStringList{QStringLiteral("Není vybraný žádný vlak. Zvolte vlak, který chcete odebrat.")});

        select(app, 1);
        app.prompts.reset();
        app.prompts.answer(Prompts::Answer::No);
        app.trigger("E4");
        QCOMPARE(app.prompts.shown, QStringList{QStringLiteral("ask: Opravdu chcete odebrat vlak?")});
        QCOMPARE(app.lines().lineCount(), 32);
        QVERIFY(!app.state().DocumentModified);

        app.prompts.answer(Prompts::Answer::Yes);
        app.trigger("E4");
        QCOMPARE(app.lines().lineCount(), 31);
        QCOMPARE(app.lines().line(31), kRecord);
        QCOMPARE(app.trainList().rowCount(), 1);
        QVERIFY(!app.main().selectedTrainLine().has_value());
        QVERIFY(app.state().DocumentModified);
    }

    void removeTrainAddressesTheLineTheItemCameFrom()
    {
        App app;
        const QString second = kRecord.left(2) + QStringLiteral("00007") + kRecord.mid(7);
        app.lines().setText(QString(30, u'\n') + kRecord + QStringLiteral("\n\n") + second + u'\n');
        QCOMPARE(app.trainList().rowCount(), 2);
        select(app, 1);
        app.prompts.answer(Prompts::Answer::Yes);
        app.trigger("E4");
        QCOMPARE(app.lines().allLines().mid(30), (QStringList{kRecord, QString()}));
    }

    void sourceViewWarnsEveryTimeItIsChosen()
    {
        App app;
        const QString warning = QStringLiteral(
            "UPOZORNĚNÍ! Neodborným zásahem ve zdrojovém kódu může dojít k okamžitému ukončení tohoto programu nebo "
            "simulátoru, který tento grafikon bude používat.");
        app.trigger("F0");
        app.trigger("F0");
        QCOMPARE(app.prompts.messages(), (QStringList{warning, warning}));
        QVERIFY(!sourceView(app)->isHidden());
        QVERIFY(listView(app)->isHidden());
        QVERIFY(app.main().findChild<QAction *>(QStringLiteral("F0"))->isChecked());
        QVERIFY(!app.main().findChild<QAction *>(QStringLiteral("E9"))->isChecked());

        app.trigger("E9");
        app.trigger("E9");
        QCOMPARE(app.prompts.messages().size(), 2);
        QVERIFY(sourceView(app)->isHidden());
        QVERIFY(!listView(app)->isHidden());
        QVERIFY(app.main().findChild<QAction *>(QStringLiteral("E9"))->isChecked());
    }

    void theListFollowsTheWindowWhileTheSourceViewKeepsItsSize()
    {
        App app;
        app.main().show();
        app.main().resize(900, 700);
        QCoreApplication::processEvents();
        const QSize listBefore = listView(app)->size();
        app.main().resize(1000, 800);
        QCoreApplication::processEvents();
        QCOMPARE(listView(app)->size(), listBefore + QSize(100, 100));
        QCOMPARE(sourceView(app)->size(), QSize(616, 368));
    }

    void addTrainNeedsASimulator()
    {
        App app;
        app.trigger("E2");
        QCOMPARE(app.prompts.messages(),
                 QStringList{QStringLiteral("Není vybraný žádný simulátor. Otevřete nabídku Soubor -> Vlastnosti a "
                                            "zvolte, pro který simulátor je grafikon tvořený.")});
        QVERIFY(app.main().isEnabled());
        QVERIFY(!app.forms->A4.isVisible());

        app.lines().replaceLine(2, QStringLiteral("Zelto ŽST Hutky"));
        app.trigger("E2");
        QVERIFY(!app.main().isEnabled());
        QVERIFY(app.forms->A4.isVisible());
        QCOMPARE(app.forms->A4.windowTitle(), QStringLiteral("Přidat vlak"));
    }

    void editTrainNeedsASelection()
    {
        App app;
        app.trigger("E3");
        QCOMPARE(app.prompts.messages(),
                 QStringList{QStringLiteral("Není vybraný žádný vlak. Zvolte vlak, který chcete upravit.")});
        QVERIFY(app.main().isEnabled());
        QVERIFY(!app.forms->A4.isVisible());
    }

    void dialogsDisableTheMainWindowUntilTheyClose_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("form");
        QTest::newRow("properties") << QStringLiteral("D8") << QStringLiteral("A1");
        QTest::newRow("help") << QStringLiteral("F2") << QStringLiteral("A2");
        QTest::newRow("about") << QStringLiteral("F4") << QStringLiteral("A3");
    }

    void dialogsDisableTheMainWindowUntilTheyClose()
    {
        QFETCH(QString, command);
        QFETCH(QString, form);
        App app;
        app.main().show();
        app.trigger(command.toLatin1().constData());
        QWidget *dialog = form == u"A1" ? static_cast<QWidget *>(&app.forms->A1)
                          : form == u"A2" ? static_cast<QWidget *>(&app.forms->A2)
                                          : static_cast<QWidget *>(&app.forms->A3);
        QVERIFY(dialog->isVisible());
        QVERIFY(!app.main().isEnabled());
        QVERIFY(dialog->isEnabled()); // the dialog stays usable
        QVERIFY(dialog->close());
        QVERIFY(!dialog->isVisible());
        QVERIFY(app.main().isEnabled());
    }

    void closingAnUnmodifiedDocumentAsksNothing()
    {
        App app;
        app.main().show();
        QVERIFY(app.main().close());
        QVERIFY(app.prompts.shown.isEmpty());
    }

    void closeQueryCancelKeepsTheWindowOpen()
    {
        App app;
        app.main().show();
        app.lines().replaceLine(1, QStringLiteral("Plán"));
        app.prompts.answer(Prompts::Answer::Cancel);
        QVERIFY(!app.main().close());
        QCOMPARE(app.prompts.shown, QStringList{QStringLiteral("ask: Chcete uložit změny?")});
        QVERIFY(app.main().isVisible());
    }

    void closeQueryNoClosesWithoutSaving()
    {
        App app;
        app.main().show();
        app.lines().replaceLine(1, QStringLiteral("Plán"));
        app.prompts.answer(Prompts::Answer::No);
        QVERIFY(app.main().close());
        QVERIFY(app.prompts.scriptUsedUp());
        QVERIFY(app.prompts.fileRequests.isEmpty());
    }

    void closeQueryYesSavesUnderTheNameAndCloses()
    {
        App app;
        app.main().show();
        app.state().DocumentFileName = app.path(QStringLiteral("plan.46g"));
        app.lines().replaceLine(1, QStringLiteral("Plán"));
        app.prompts.answer(Prompts::Answer::Yes);
        QVERIFY(app.main().close());
        QVERIFY(readFile(app.path(QStringLiteral("plan.46g"))).startsWith("Pl\xE1n\r\n"));
    }

    void closeQueryClosesEvenWhenTheSaveIsDeclinedAtAWarning()
    {
        App app;
        app.main().show();
        app.state().DocumentFileName = app.path(QStringLiteral("plan.46g"));
        app.lines().replaceLine(4, QStringLiteral("21Budoucí editor"));
        app.prompts.answer(Prompts::Answer::Yes); // save the changes
        app.prompts.answer(Prompts::Answer::No);  // but not a newer editor's file
        QVERIFY(app.main().close());
        QVERIFY(!QFile::exists(app.path(QStringLiteral("plan.46g"))));
    }

    void closeQueryWithoutANameStaysOpenWhenTheSaveDialogIsCancelled()
    {
        App app;
        app.main().show();
        app.lines().replaceLine(1, QStringLiteral("Plán"));
        app.prompts.answer(Prompts::Answer::Yes);
        app.prompts.cancelFileDialog();
        QVERIFY(!app.main().close());
        QCOMPARE(app.prompts.shown.last(), QStringLiteral("save: Nový grafikon.46g"));

        app.prompts.answer(Prompts::Answer::Yes);
        app.prompts.chooseFile(app.path(QStringLiteral("novy")));
        QVERIFY(app.main().close());
        QVERIFY(QFile::exists(app.path(QStringLiteral("novy.46g"))));
    }

    void aFailedSaveInTheCloseQueryKeepsTheWindowOpen()
    {
        App app;
        app.main().show();
        app.state().DocumentFileName = app.path(QStringLiteral("missing-folder/plan.46g"));
        app.lines().replaceLine(1, QStringLiteral("Plán"));
        app.prompts.answer(Prompts::Answer::Yes);
        QVERIFY(!app.main().close());
        const QStringList messages = app.prompts.messages();
        QCOMPARE(messages.mid(0, 2), (QStringList{"Error 00B4!", "Error 00A0"}));
        QCOMPARE(messages.size(), 3);
        QVERIFY(app.main().isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
