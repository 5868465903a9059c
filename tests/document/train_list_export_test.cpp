#include "app_fixture.h"
#include "document/train_list_model.h"

#include <QDir>
#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

const QString kRecord = QStringLiteral("1804521107050712070011207130740270000012013000000000000000000000000");

} // namespace

// Export writes the train list's lines, exactly as shown, to a text file.
class TrainListExportTest : public QObject {
    Q_OBJECT

private slots:
    void exportWritesTheListsLinesWithCrLfInCodePage1250()
    {
        App app;
        app.lines().replaceLine(2, QStringLiteral("Zelto ŽST Hutky"));
        app.lines().appendLine(kRecord + QStringLiteral("pozn. č. 1"));
        app.lines().appendLine(QString());
        app.lines().appendLine(QStringLiteral("kratký"));
        app.state().DocumentModified = false;
        const QString text = app.lines().text();

        app.prompts.chooseFile(app.path(QStringLiteral("vlaky")));
        app.trigger("D7");
        QCOMPARE(app.prompts.fileRequests.size(), 1);
        QCOMPARE(app.prompts.fileRequests[0].title, QStringLiteral("Export"));
        QCOMPARE(app.prompts.fileRequests[0].filter, QStringLiteral("Textové soubory (*.txt)"));
        const QStringList shown = app.trainList().summaries();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(readFile(app.path(QStringLiteral("vlaky.txt"))),
                 QByteArray("Os 4521 - Z\xE1les\xED - 07:05 - 07:12 - 1.kol - Vrbinov - 07:13 - 07:40 - pozn. \xE8. 1\r\n"
                            "kratk\xFD\r\n"));
        QCOMPARE(app.lines().text(), text);
        QVERIFY(!app.state().DocumentModified);
        QVERIFY(app.prompts.messages().isEmpty());
    }

    void theTxtRuleIsCaseSensitive_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << QStringLiteral("a") << QStringLiteral("a.txt");
        QTest::newRow(".txt") << QStringLiteral("a.txt") << QStringLiteral("a.txt");
        QTest::newRow(".TXT") << QStringLiteral("a.TXT") << QStringLiteral("a.TXT.txt");
        QTest::newRow("other") << QStringLiteral("a.46g") << QStringLiteral("a.46g.txt");
    }

    void theTxtRuleIsCaseSensitive()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        App app;
        app.prompts.chooseFile(app.path(chosen));
        app.trigger("D7");
        QVERIFY(QFile::exists(app.path(written)));
    }

    void anEmptyListExportsAnEmptyFileReplacingAnOldOne()
    {
        App app;
        const QString path = app.path(QStringLiteral("empty.txt"));
        writeFile(path, "old contents");
        app.prompts.chooseFile(path);
        app.trigger("D7");
        QCOMPARE(readFile(path), QByteArray());
    }

    void cancellingWritesNothing()
    {
        App app;
        app.prompts.cancelFileDialog();
        app.trigger("D7");
        QVERIFY(QDir(app.dir.path()).entryList(QDir::Files).isEmpty());
        QVERIFY(app.prompts.messages().isEmpty());
    }

    void aFailedWriteShowsItsGuardTextAndLeavesNothingBehind()
    {
        App app;
        app.lines().appendLine(kRecord);
        app.prompts.chooseFile(app.path(QStringLiteral("missing-folder/vlaky")));
        app.trigger("D7");
        const QStringList messages = app.prompts.messages();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[0], QStringLiteral("Error 00D7"));
        QVERIFY(messages[1].contains(QStringLiteral("vlaky.txt")));
        QCOMPARE(app.trainList().rowCount(), 1);
    }
};

QTEST_MAIN(TrainListExportTest)
#include "train_list_export_test.moc"
