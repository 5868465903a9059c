// "Exportovat do tabulky..." and "Importovat z tabulky..." in the main window:
// the file dialogs, the import as one step of the history and one change of
// the text, the selection of the first imported train and what is told.
#include "train_dialog_driver.h"

#include "document/document_lines.h"
#include "exchange/table_export.h"

#include <QAction>
#include <QListView>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

using namespace tgx;
using namespace tgx::test;
using namespace Qt::StringLiterals;

namespace {

const QString kHeader = u"Druh;Číslo;Ze stanice;Odjezd ze sousední;Příjezd;Kolej;Do stanice;Odjezd;"
                        "Příjezd do sousední;Vůz 1;Vůz 2\r\n"_s;
const QString kOs4521 = u"Os;4521;Česká Zálesí;7:05;7:12;1;Vrbinov;7:13;7:40;12;13\r\n"_s;
const QString kVlec734 = u"Vleč;734;Výchozí;;;2;Vrbinov;06:07;06:30;012;13\r\n"_s;
const QString kVlec734Record = u"2700734000000000000021206070630230000012013000000000000000000000000"_s;

int selectedRow(App &app)
{
    const QModelIndexList selected =
        app.main().findChild<QListView *>(u"B1"_s)->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

QPlainTextEdit *sourceView(App &app) { return app.main().findChild<QPlainTextEdit *>(u"B0"_s); }

// A Hutky timetable holding one train.
void oneTrain(App &app)
{
    setTimetable(app, kHutky);
    app.lines().appendLine(kHutkyRecord);
}

} // namespace

class TableCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void importAppendsTheTrains_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("appended");
        QTest::addColumn<QString>("told");
        QTest::newRow("two trains") << kHeader + kOs4521 + kVlec734 << QStringList{kHutkyRecord, kVlec734Record}
                                    << u"Importováno vlaků: 2."_s;
        QTest::newRow("names only") << kHeader << QStringList() << u"Importováno vlaků: 0."_s;
        QTest::newRow("one refused") << kHeader + kOs4521 + QString(kVlec734).replace(u";2;"_s, u";9;"_s) << QStringList()
                                     << u"řádek 3, sloupec „Kolej“: Kolej „9“ není v seznamu kolejí simulátoru"_s;
    }

    // The trains go after the last line in one change, undone in one step.
    void importAppendsTheTrains()
    {
        QFETCH(QString, table);
        QFETCH(QStringList, appended);
        QFETCH(QString, told);
        App app;
        oneTrain(app);
        const QString before = app.lines().text();
        const QString path = app.path(u"vlaky.csv"_s);
        writeFile(path, table.toUtf8());
        QSignalSpy changes(sourceView(app), &QPlainTextEdit::textChanged);
        app.prompts.chooseFile(path);
        app.trigger("K2");
        QCOMPARE(app.prompts.fileRequests.last().title, u"Importovat z tabulky"_s);
        QCOMPARE(app.prompts.fileRequests.last().filter, u"Tabulka CSV (*.csv)"_s);
        QCOMPARE(app.prompts.messages(), QStringList{told});
        QCOMPARE(app.lines().allLines().mid(31), appended);
        QCOMPARE(changes.count(), appended.isEmpty() ? 0 : 1);
        QCOMPARE(selectedRow(app), appended.isEmpty() ? -1 : 1);
        if (!appended.isEmpty()) {
            app.trigger("G1");
            QCOMPARE(app.lines().text(), before);
        }
    }

    void importNeedsASimulator()
    {
        App app;
        app.trigger("K2");
        QCOMPARE(app.prompts.fileRequests.size(), 0);
        QCOMPARE(app.prompts.messages().size(), 1);
        QVERIFY(app.prompts.messages()[0].startsWith(u"Není vybraný žádný simulátor."_s));
    }

    void exportWritesTheTable_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("with extension") << u"vlaky.csv"_s << u"vlaky.csv"_s;
        QTest::newRow("capitals") << u"VLAKY.CSV"_s << u"VLAKY.CSV"_s;
        QTest::newRow("without") << u"vlaky"_s << u"vlaky.csv"_s;
    }

    void exportWritesTheTable()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        App app;
        oneTrain(app);
        app.prompts.chooseFile(app.path(chosen));
        app.trigger("K1");
        const FileDialogRequest request = app.prompts.fileRequests.last();
        QCOMPARE(request.title, u"Exportovat do tabulky"_s);
        QCOMPARE(request.filter, u"Tabulka CSV (*.csv)"_s);
        QCOMPARE(readFile(app.path(written)), exportTrainTable(app.lines().allLines()));
        QVERIFY(app.prompts.messages().isEmpty());
    }
};

QTEST_MAIN(TableCommandsTest)
#include "table_commands_test.moc"
