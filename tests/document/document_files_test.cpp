#include "app_fixture.h"
#include "document/train_list_model.h"

#include <QComboBox>
#include <QFile>
#include <QSaveFile>
#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

const QString kRecord = QStringLiteral("1804521107050712070011207130740270000012013000000000000000000000000");

// Thirty header lines with the given lines 2 to 4, then the records, as file bytes with CR LF.
QByteArray fileWith(const QByteArray &line2, const QByteArray &line3, const QByteArray &line4,
                    const QList<QByteArray> &records = {})
{
    QList<QByteArray> lines(30);
    lines[1] = line2;
    lines[2] = line3;
    lines[3] = line4;
    lines << records;
    return lines.join("\r\n") + "\r\n";
}

} // namespace

// New, Open, Save and Save as: their questions, messages, state and bytes.
class DocumentFilesTest : public QObject {
    Q_OBJECT

private slots:
    void savingANewDocumentWritesThirtyStampedLines()
    {
        App app;
        app.trigger("D4");
        QCOMPARE(app.prompts.shown, QStringList{QStringLiteral("save: Nový grafikon.46g")}); // cancelled
        app.prompts.reset();
        app.prompts.chooseFile(app.path(QStringLiteral("plan")));
        app.trigger("D4");
        QCOMPARE(app.prompts.fileRequests[0].filter, QStringLiteral("TGX soubory Zelto Edice 246 (*.46g)"));
        QList<QByteArray> expected(30);
        expected[2] = "num-code";
        expected[3] = "20TGX editor 2.0";
        expected[4] = "0";
        QCOMPARE(readFile(app.path(QStringLiteral("plan.46g"))), expected.join("\r\n") + "\r\n");
        QCOMPARE(app.state().DocumentFileName, app.path(QStringLiteral("plan.46g")));
        QCOMPARE(app.panel(1), app.path(QStringLiteral("plan.46g")));
        QVERIFY(!app.state().DocumentModified);
        QVERIFY(app.prompts.messages().isEmpty());
    }

    void trainCountCountsEveryLineAfterTheHeader()
    {
        App app;
        app.lines().appendLine(kRecord);
        app.lines().appendLine(QString());
        app.lines().appendLine(kRecord);
        app.prompts.chooseFile(app.path(QStringLiteral("three.46g")));
        app.trigger("D5");
        QCOMPARE(app.lines().line(5), QStringLiteral("3"));
        QVERIFY(readFile(app.path(QStringLiteral("three.46g"))).endsWith(kRecord.toLatin1() + "\r\n"));
    }

    void saveAsAppendsTheExtensionUnlessTheNameEndsInIt_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no extension") << QStringLiteral("plan") << QStringLiteral("plan.46g");
        QTest::newRow("extension") << QStringLiteral("plan.46g") << QStringLiteral("plan.46g");
        QTest::newRow("capital G") << QStringLiteral("plan.46G") << QStringLiteral("plan.46G.46g");
        QTest::newRow("other extension") << QStringLiteral("plan.txt") << QStringLiteral("plan.txt.46g");
    }

    void saveAsAppendsTheExtensionUnlessTheNameEndsInIt()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, saved);
        App app;
        app.prompts.chooseFile(app.path(chosen));
        app.trigger("D5");
        QVERIFY(QFile::exists(app.path(saved)));
        QCOMPARE(app.state().DocumentFileName, app.path(saved));
    }

    void saveDialogOffersTheCurrentNameOrTheNewDocumentName()
    {
        App app;
        app.prompts.chooseFile(app.path(QStringLiteral("a.46g")));
        app.trigger("D5");
        app.prompts.cancelFileDialog();
        app.trigger("D5");
        QCOMPARE(app.prompts.fileRequests[1].presetName, app.path(QStringLiteral("a.46g")));
        app.trigger("D2");
        app.prompts.cancelFileDialog();
        app.trigger("D5");
        QCOMPARE(app.prompts.fileRequests[2].presetName, QStringLiteral("Nový grafikon.46g"));
    }

    void newAsksToSaveAndResetsEverything()
    {
        App app;
        app.prompts.chooseFile(app.path(QStringLiteral("a.46g")));
        app.trigger("D5");
        app.lines().replaceLine(2, QStringLiteral("Zelto ŽST Hutky"));
        auto *simulators = app.forms->A1.findChild<QComboBox *>(QStringLiteral("B5"));
        simulators->setCurrentIndex(3);

        app.prompts.reset();
        app.prompts.answer(Prompts::Answer::Cancel);
        app.trigger("D2");
        QCOMPARE(app.lines().line(2), QStringLiteral("Zelto ŽST Hutky"));
        QCOMPARE(app.prompts.shown, QStringList{QStringLiteral("ask: Chcete uložit změny?")});

        app.prompts.answer(Prompts::Answer::No);
        app.trigger("D2");
        QCOMPARE(app.lines().text(), QString(30, u'\n'));
        QCOMPARE(app.state().DocumentFileName, QString());
        QVERIFY(!app.state().DocumentModified);
        QCOMPARE(app.panel(0), QString());
        QCOMPARE(app.panel(1), QStringLiteral(" Nový grafikon (neuloženo)"));
        QCOMPARE(simulators->count(), 6);
        QCOMPARE(simulators->currentIndex(), -1);
        QCOMPARE(simulators->itemText(5), QStringLiteral("Zelto Dl. Skalín"));
    }

    void openReadsTheFileAndNamesTheDocument()
    {
        App app;
        const QString path = app.path(QStringLiteral("open.46g"));
        writeFile(path, fileWith("Zelto \x8EST Hutky", "num-code", "20TGX editor 2.0", {kRecord.toLatin1()}));
        app.prompts.chooseFile(path);
        app.trigger("D3");
        QCOMPARE(app.prompts.shown, QStringList{QStringLiteral("open: ")});
        QCOMPARE(app.lines().line(2), QStringLiteral("Zelto ŽST Hutky"));
        QCOMPARE(app.lines().lineCount(), 31);
        QCOMPARE(app.state().DocumentFileName, path);
        QVERIFY(!app.state().DocumentModified);
        QCOMPARE(app.panel(0), QStringLiteral("Zelto ŽST Hutky"));
        QCOMPARE(app.panel(1), path);
        QCOMPARE(app.trainList().rowCount(), 1);
    }

    void openWarnsAboutNewerEditorsAndForeignEncodings_data()
    {
        QTest::addColumn<QByteArray>("line3");
        QTest::addColumn<QByteArray>("line4");
        QTest::addColumn<QStringList>("warnings"); // beginnings after the path and CR CR
        QTest::newRow("own") << QByteArray("num-code") << QByteArray("20TGX editor 2.0") << QStringList{};
        QTest::newRow("older") << QByteArray("num-code") << QByteArray("19Old") << QStringList{};
        QTest::newRow("newer") << QByteArray("num-code") << QByteArray("21New")
                               << QStringList{"UPOZORNĚNÍ!  Tento soubor je vytvořen v programu New, který"};
        QTest::newRow("empty marker") << QByteArray() << QByteArray("20X")
                                      << QStringList{"UPOZORNĚNÍ!  Tento soubor obsahuje grafikon v kódování , které"};
        QTest::newRow("capital marker") << QByteArray("NUM-CODE") << QByteArray()
                                        << QStringList{"UPOZORNĚNÍ!  Tento soubor obsahuje grafikon v kódování NUM-CODE,"};
        QTest::newRow("both, version first")
            << QByteArray("x") << QByteArray("99Y")
            << QStringList{"UPOZORNĚNÍ!  Tento soubor je vytvořen v programu Y,",
                           "UPOZORNĚNÍ!  Tento soubor obsahuje grafikon v kódování x,"};
    }

    void openWarnsAboutNewerEditorsAndForeignEncodings()
    {
        QFETCH(QByteArray, line3);
        QFETCH(QByteArray, line4);
        QFETCH(QStringList, warnings);
        App app;
        const QString path = app.path(QStringLiteral("w.46g"));
        writeFile(path, fileWith("", line3, line4));
        app.prompts.chooseFile(path);
        app.trigger("D3");
        const QStringList shown = app.prompts.messages();
        QCOMPARE(shown.size(), warnings.size());
        for (int i = 0; i < warnings.size(); ++i)
            QVERIFY2(shown[i].startsWith(path + QStringLiteral("\r\r") + warnings[i]), qPrintable(shown[i]));
        QCOMPARE(app.state().DocumentFileName, path);
        QVERIFY(!app.state().DocumentModified);
    }

    void aVersionThatIsNoNumberFailsOpenAfterTheFileIsNamed()
    {
        App app;
        const QString path = app.path(QStringLiteral("v.46g"));
        writeFile(path, fileWith("", "NUM-CODE", "TGX editor"));
        app.prompts.chooseFile(path);
        app.trigger("D3");
        QCOMPARE(app.prompts.messages(), (QStringList{"Error 00D3", "Invalid variant type conversion"}));
        QCOMPARE(app.state().DocumentFileName, path);
        QCOMPARE(app.lines().line(4), QStringLiteral("TGX editor"));
        QVERIFY(!app.state().DocumentModified);
    }

    void aFileThatCannotBeReadChangesNothing()
    {
        App app;
        app.lines().replaceLine(1, QStringLiteral("Můj plán"));
        app.prompts.answer(Prompts::Answer::No);
        app.prompts.chooseFile(app.path(QStringLiteral("does-not-exist.46g")));
        app.trigger("D3");
        const QStringList messages = app.prompts.messages();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[0], QStringLiteral("Error 00D3"));
        QVERIFY(messages[1].contains(QStringLiteral("does-not-exist.46g")));
        QCOMPARE(app.lines().line(1), QStringLiteral("Můj plán"));
        QVERIFY(app.state().DocumentModified);
        QCOMPARE(app.state().DocumentFileName, QString());
        QCOMPARE(app.panel(1), QStringLiteral(" Nový grafikon (neuloženo)"));
    }

    void answeringYesBeforeOpenThenCancellingKeepsTheSave()
    {
        App app;
        app.state().DocumentFileName = app.path(QStringLiteral("kept.46g"));
        app.lines().replaceLine(1, QStringLiteral("Plán"));
        app.prompts.answer(Prompts::Answer::Yes);
        app.prompts.cancelFileDialog();
        app.trigger("D3");
        QVERIFY(QFile::exists(app.path(QStringLiteral("kept.46g"))));
        QVERIFY(!app.state().DocumentModified);
        QCOMPARE(app.lines().line(1), QStringLiteral("Plán"));
    }

    void aNewerEditorsFileAsksBeforeEverySaveUntilSaved()
    {
        App app;
        const QString path = app.path(QStringLiteral("new.46g"));
        writeFile(path, fileWith("", "num-code", "21Nov\xFD"));
        app.prompts.chooseFile(path);
        app.trigger("D3");
        app.prompts.reset();

        app.prompts.answer(Prompts::Answer::No);
        app.trigger("D4");
        QCOMPARE(app.prompts.shown.size(), 1);
        QVERIFY(app.prompts.shown[0].startsWith(
            QStringLiteral("ask: UPOZORNĚNÍ! Soubor, který chcete uložit, je vytvořen v programu Nov")));
        QCOMPARE(readFile(path), fileWith("", "num-code", "21Nov\xFD")); // nothing written
        QCOMPARE(app.lines().line(4), QStringLiteral("21Nový")); // nothing stamped

        app.prompts.answer(Prompts::Answer::Yes);
        app.trigger("D4");
        QCOMPARE(app.lines().line(4), QStringLiteral("20TGX editor 2.0"));
        app.prompts.reset();
        app.trigger("D4");
        QVERIFY(app.prompts.shown.isEmpty()); // the stamp is now this editor's own
    }

    void aForeignEncodingAsksBeforeSaving()
    {
        App app;
        app.lines().replaceLine(3, QStringLiteral("NUM-CODE"));
        app.state().DocumentFileName = app.path(QStringLiteral("e.46g"));
        app.prompts.answer(Prompts::Answer::No);
        app.trigger("D4");
        QCOMPARE(app.prompts.shown, QStringList{
            QStringLiteral("ask: UPOZORNĚNÍ! Soubor, který chcete uložit, obsahuje grafikon v kódování NUM-CODE, "
                           "které tento program neumí přečíst. Soubor se proto nemusí uložit správně. Chcete soubor "
                           "přesto uložit?")});
        QVERIFY(!QFile::exists(app.path(QStringLiteral("e.46g"))));
    }

    void saveAsDeclinedAtAWarningStillTakesTheNewName()
    {
        App app;
        app.lines().replaceLine(4, QStringLiteral("21X"));
        app.prompts.chooseFile(app.path(QStringLiteral("declined")));
        app.prompts.answer(Prompts::Answer::No);
        app.trigger("D5");
        const QString named = app.path(QStringLiteral("declined.46g"));
        QVERIFY(!QFile::exists(named));
        QCOMPARE(app.state().DocumentFileName, named);
        QCOMPARE(app.panel(1), named);
        QVERIFY(app.state().DocumentModified);

        app.prompts.answer(Prompts::Answer::Yes);
        app.trigger("D4");
        QVERIFY(QFile::exists(named));
    }

    void aFailedWriteShowsEveryGuardFromTheInsideOut()
    {
        App app;
        app.lines().replaceLine(1, QStringLiteral("Plán"));
        app.prompts.chooseFile(app.path(QStringLiteral("no-such-folder/plan")));
        app.trigger("D5");
        const QStringList messages = app.prompts.messages();
        QCOMPARE(messages.size(), 4);
        QCOMPARE(messages.mid(0, 3), (QStringList{"Error 00B4!", "Error 00B5!", "Error 00D5"}));
        QVERIFY(messages[3].contains(QStringLiteral("plan.46g")));
        QCOMPARE(app.lines().line(3), QStringLiteral("num-code")); // stamped before the write
        QVERIFY(app.state().DocumentModified);
        QCOMPARE(app.state().DocumentFileName, app.path(QStringLiteral("no-such-folder/plan.46g")));
        QCOMPARE(app.panel(1), QStringLiteral(" Nový grafikon (neuloženo)"));
    }

    void aFailedSaveStopsNewBeforeItClearsTheDocument()
    {
        App app;
        app.state().DocumentFileName = app.path(QStringLiteral("no-such-folder/x.46g"));
        app.lines().replaceLine(1, QStringLiteral("Plán"));
        app.prompts.answer(Prompts::Answer::Yes);
        app.trigger("D2");
        QCOMPARE(app.prompts.messages().mid(0, 2), (QStringList{"Error 00B4!", "Error 00D2"}));
        QCOMPARE(app.lines().line(1), QStringLiteral("Plán"));
    }

    void aCharacterOutsideTheCodePageFailsTheSaveAndWritesNothing()
    {
        App app;
        const QString path = app.path(QStringLiteral("arrow.46g"));
        writeFile(path, "old");
        app.state().DocumentFileName = path;
        app.lines().replaceLine(10, QStringLiteral("šipka → vpravo"));
        app.trigger("D4");
        const QStringList messages = app.prompts.messages();
        QCOMPARE(messages.mid(0, 2), (QStringList{"Error 00B4!", "Error 00D4"}));
        QVERIFY2(messages[2].contains(QStringLiteral("Řádek 10")) && messages[2].contains(QStringLiteral("→")),
                 qPrintable(messages[2]));
        QCOMPARE(readFile(path), QByteArray("old"));
        QVERIFY(app.state().DocumentModified);
    }

    void lineEndsOfAnyKindAreWrittenBackAsCrLf_data()
    {
        QTest::addColumn<QByteArray>("separator");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR") << QByteArray("\r");
        QTest::newRow("CR LF") << QByteArray("\r\n");
    }

    void lineEndsOfAnyKindAreWrittenBackAsCrLf()
    {
        QFETCH(QByteArray, separator);
        App app;
        QList<QByteArray> lines(30);
        lines[2] = "num-code";
        lines[3] = "20TGX editor 2.0";
        lines[4] = "1";
        lines << kRecord.toLatin1();
        const QString path = app.path(QStringLiteral("ends.46g"));
        writeFile(path, lines.join(separator) + separator);
        app.prompts.chooseFile(path);
        app.trigger("D3");
        app.trigger("D4");
        QCOMPARE(readFile(path), lines.join("\r\n") + "\r\n");
    }

    void everyByteValueOfATrainLineSurvivesOpenAndSave()
    {
        App app;
        QByteArray record = kRecord.toLatin1();
        for (int b = 0; b < 256; ++b) {
            if (b != '\r' && b != '\n')
                record.append(char(b));
        }
        QList<QByteArray> lines(30);
        lines[2] = "num-code";
        lines[3] = "20TGX editor 2.0";
        lines[4] = "1";
        lines << record;
        const QByteArray bytes = lines.join("\r\n") + "\r\n";
        const QString path = app.path(QStringLiteral("bytes.46g"));
        writeFile(path, bytes);
        app.prompts.chooseFile(path);
        app.trigger("D3");
        app.trigger("D4");
        QCOMPARE(readFile(path), bytes);
        QVERIFY(app.prompts.messages().isEmpty());
    }

    void openingAndSavingUnchangedOnlyStampsLinesThreeToFive()
    {
        App app;
        QList<QByteArray> lines(30);
        lines[0] = "N\xE1zev";
        lines[2] = "num-code";
        lines[3] = "19Star\xFD editor";
        lines[4] = "7";
        lines[20] = "keep \x81\x83\x88\x90\x98";
        lines << kRecord.toLatin1() + "pozn\xE1mka";
        const QString path = app.path(QStringLiteral("keep.46g"));
        writeFile(path, lines.join("\n"));
        app.prompts.chooseFile(path);
        app.trigger("D3");
        app.trigger("D4");
        lines[3] = "20TGX editor 2.0";
        lines[4] = "1";
        QCOMPARE(readFile(path), lines.join("\r\n")); // no break was added after the last line
    }
};

QTEST_MAIN(DocumentFilesTest)
#include "document_files_test.moc"
