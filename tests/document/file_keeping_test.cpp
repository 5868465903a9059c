#include "app_fixture.h"
#include "document/file_bytes.h"
#include "document/recent_files.h"
#include "document/start_up.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QTest>
#include <QUrl>

using namespace tgx;
using namespace tgx::test;

namespace {

using Answer = Prompts::Answer;

const QString kTyped = QStringLiteral("Poznámka ř");
const QString kNewDocument = QString(30, u'\n');

// A timetable without train lines, as the editor saves one.
QByteArray planBytes(const QByteArray &name)
{
    QByteArray bytes = name + "\r\n\r\nnum-code\r\n20TGX editor 2.0\r\n0\r\n";
    for (int line = 6; line <= 30; ++line)
        bytes += "\r\n";
    return bytes;
}

QString textOf(const QByteArray &bytes) { return FileBytes::toText(bytes); }

QString recoveryFolder() { return qEnvironmentVariable("XDG_STATE_HOME") + QStringLiteral("/tgxeditor/recovery"); }

QStringList recoveryCopies()
{
    return QDir(recoveryFolder()).entryList({QStringLiteral("*.recovery")}, QDir::Files);
}

QString readCopy(const QString &name)
{
    return QString::fromUtf8(readFile(QDir(recoveryFolder()).filePath(name)));
}

QStringList recentMenu(App &app)
{
    QStringList paths;
    const auto *menu = app.main().findChild<QMenu *>(QStringLiteral("J1"));
    for (QAction *item : menu->actions())
        paths << item->data().toString();
    return paths;
}

void chooseRecent(App &app, const QString &path)
{
    for (QAction *item : app.main().findChild<QMenu *>(QStringLiteral("J1"))->actions()) {
        if (item->data().toString() == path)
            return item->trigger();
    }
    QFAIL(qPrintable(QStringLiteral("not in the recent files: ") + path));
}

// The window loses the focus to another one and gets it back, as when the
// user comes back from another program.
void comeBackTo(QWidget &window, QWidget &elsewhere)
{
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

void drop(QWidget &target, const QString &path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint centre = target.rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    QDropEvent dropped(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &dropped);
}

} // namespace

// Work kept through crashes and outside changes: recovery copies, files
// changed by other programs, the recent files and dropped files.
class FileKeepingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Also the editor started by a test keeps its copies there.
        keepOutOfUserFolders();
    }

    void init()
    {
        QDir(recoveryFolder()).removeRecursively();
        RecentFiles recent;
        for (const QString &path : recent.files())
            recent.remove(path);
    }

    void killedEditorsWorkIsOfferedAtTheNextStart_data()
    {
        QTest::addColumn<bool>("named");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("named, restored") << true << Answer::Yes;
        QTest::newRow("named, dropped") << true << Answer::No;
        QTest::newRow("never saved, restored") << false << Answer::Yes;
        QTest::newRow("never saved, dropped") << false << Answer::No;
    }
    void killedEditorsWorkIsOfferedAtTheNextStart()
    {
        QFETCH(bool, named);
        QFETCH(Answer, answer);
        QTemporaryDir dir;
        const QString plan = named ? dir.filePath(QStringLiteral("plán.46g")) : QString();
        const QString before = named ? textOf(planBytes("Plan")) : kNewDocument;
        if (named)
            writeFile(plan, planBytes("Plan"));

        QProcess editor;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(TGX_TEST_PLUGINS));
        environment.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("tgxtypist"));
        environment.insert(QStringLiteral("TGX_TYPIST_TEXT"), kTyped);
        editor.setProcessEnvironment(environment);
        editor.start(QStringLiteral(TGX_EDITOR_PROGRAM), named ? QStringList{plan} : QStringList());
        QVERIFY(editor.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(recoveryCopies().size() == 1 && readCopy(recoveryCopies().first()).contains(kTyped),
                                 20000);
        editor.kill(); // SIGKILL: nothing of the editor's own runs any more
        QVERIFY(editor.waitForFinished());
        QCOMPARE(editor.exitStatus(), QProcess::CrashExit);
        const QString killedCopy = recoveryCopies().first();

        App app;
        app.prompts.answer(answer);
        startEditing(app.main(), CommandLine());
        const QString question = named
            ? QStringLiteral("Editor se minule neukončil správně. Obnovit neuložené změny grafikonu „%1“?").arg(plan)
            : QStringLiteral("Editor se minule neukončil správně. Obnovit neuložené změny nového grafikonu?");
        QCOMPARE(app.prompts.shown, QStringList{QStringLiteral("ask: ") + question});
        QVERIFY(!recoveryCopies().contains(killedCopy));
        const bool restored = answer == Answer::Yes;
        QCOMPARE(app.lines().text(), restored ? before + kTyped : kNewDocument);
        QCOMPARE(app.state().DocumentFileName, restored ? plan : QString());
        QCOMPARE(app.state().DocumentModified, restored);
        QCOMPARE(app.panel(1), restored && named ? plan : QStringLiteral(" Nový grafikon (neuloženo)"));
        // Restored work is kept again, now by this editor.
        QCOMPARE(recoveryCopies().size(), restored ? 1 : 0);
        QVERIFY(!restored || readCopy(recoveryCopies().first()).contains(kTyped));
    }

    void recoveryCopyGoesWhenNothingIsLeftUnsaved_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<Answer>("answer"); // to "Chcete uložit změny?"
        QTest::addColumn<bool>("copyStays");
        QTest::newRow("Save") << QStringLiteral("D4") << Answer::Yes << false;
        QTest::newRow("New after Ne") << QStringLiteral("D2") << Answer::No << false;
        QTest::newRow("New cancelled") << QStringLiteral("D2") << Answer::Cancel << true;
        QTest::newRow("Open after Ne") << QStringLiteral("D3") << Answer::No << false;
        QTest::newRow("clean close after Ne") << QStringLiteral("close") << Answer::No << false;
        QTest::newRow("close cancelled") << QStringLiteral("close") << Answer::Cancel << true;
    }
    void recoveryCopyGoesWhenNothingIsLeftUnsaved()
    {
        QFETCH(QString, command);
        QFETCH(Answer, answer);
        QFETCH(bool, copyStays);
        App app;
        const QString plan = app.path(QStringLiteral("plan.46g"));
        const QString other = app.path(QStringLiteral("jiný.46g"));
        writeFile(plan, planBytes("Plan"));
        writeFile(other, planBytes("Other"));
        app.main().openFile(plan);
        QVERIFY(recoveryCopies().isEmpty()); // nothing unsaved yet
        app.lines().appendLine(QStringLiteral("vlak"));
        QTRY_COMPARE(recoveryCopies().size(), 1);

        if (command == QStringLiteral("D4")) {
            app.trigger("D4");
        } else if (command == QStringLiteral("close")) {
            app.prompts.answer(answer);
            app.main().close();
            if (answer != Answer::Cancel)
                app.forms.reset(); // the program ends
        } else {
            app.prompts.answer(answer);
            app.prompts.chooseFile(other);
            app.trigger(qPrintable(command));
        }
        QTest::qWait(50); // a copy written late would show now
        QCOMPARE(recoveryCopies().size(), copyStays ? 1 : 0);
    }

    void saveAsksBeforeOverwritingAnotherProgramsChange_data()
    {
        QTest::addColumn<QByteArray>("outside"); // what another program wrote; empty: nothing
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("written");
        QTest::newRow("changed, kept") << planBytes("Cizí") << Answer::No << false;
        QTest::newRow("changed, overwritten") << planBytes("Cizí") << Answer::Yes << true;
        QTest::newRow("same size, kept") << planBytes("Qlan") << Answer::No << false;
        QTest::newRow("unchanged") << QByteArray() << Answer::Yes << true;
    }
    void saveAsksBeforeOverwritingAnotherProgramsChange()
    {
        QFETCH(QByteArray, outside);
        QFETCH(Answer, answer);
        QFETCH(bool, written);
        App app;
        const QString plan = app.path(QStringLiteral("plan.46g"));
        writeFile(plan, planBytes("Plan"));
        app.main().openFile(plan);
        app.lines().appendLine(QStringLiteral("vlak"));
        if (!outside.isEmpty()) {
            writeFile(plan, outside);
            app.prompts.answer(answer);
        }
        QTest::qWait(20); // the user turns to Save
        app.trigger("D4");
        const QStringList asked = outside.isEmpty()
            ? QStringList()
            : QStringList{QStringLiteral("ask: Soubor „%1“ mezitím změnil jiný program. Přepsat ho?").arg(plan)};
        QCOMPARE(app.prompts.shown, asked);
        QCOMPARE(readFile(plan), written ? FileBytes::fromText(app.lines().text()) : outside);
        QCOMPARE(app.state().DocumentModified, !written);
        // Once the user has chosen, the next save asks nothing more.
        if (written) {
            app.prompts.reset();
            app.trigger("D4");
            QCOMPARE(app.prompts.shown, QStringList());
        }
    }

    void keepingAnotherProgramsChangeKeepsTheWorkOpen_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("New") << QStringLiteral("D2");
        QTest::newRow("Open") << QStringLiteral("D3");
        QTest::newRow("close") << QStringLiteral("close");
    }
    void keepingAnotherProgramsChangeKeepsTheWorkOpen()
    {
        QFETCH(QString, command);
        App app;
        const QString plan = app.path(QStringLiteral("plan.46g"));
        writeFile(plan, planBytes("Plan"));
        app.main().openFile(plan);
        app.lines().appendLine(QStringLiteral("vlak"));
        const QString work = app.lines().text();
        writeFile(plan, planBytes("Cizí"));
        QTest::qWait(20);
        app.prompts.answer(Answer::Yes); // "Chcete uložit změny?"
        app.prompts.answer(Answer::No);  // "... Přepsat ho?"
        app.main().show();
        if (command == QStringLiteral("close"))
            app.main().close();
        else
            app.trigger(qPrintable(command));
        QCOMPARE(app.prompts.shown.size(), 2);
        QVERIFY(app.prompts.scriptUsedUp()); // no file dialog either
        QVERIFY(app.main().isVisible());
        QCOMPARE(app.lines().text(), work);
        QVERIFY(app.state().DocumentModified);
        QCOMPARE(readFile(plan), planBytes("Cizí"));
    }

    void comingBackAfterAnOutsideChangeOffersToReload_data()
    {
        QTest::addColumn<QByteArray>("outside"); // "-" removes the file; empty: nothing happens
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("reloaded");
        QTest::newRow("changed, read again") << planBytes("Cizí") << Answer::Yes << true;
        QTest::newRow("changed, kept") << planBytes("Cizí") << Answer::No << false;
        QTest::newRow("removed, kept") << QByteArray("-") << Answer::No << false;
        QTest::newRow("unchanged") << QByteArray() << Answer::Yes << false;
    }
    void comingBackAfterAnOutsideChangeOffersToReload()
    {
        QFETCH(QByteArray, outside);
        QFETCH(Answer, answer);
        QFETCH(bool, reloaded);
        App app;
        QWidget elsewhere;
        const QString plan = app.path(QStringLiteral("plan.46g"));
        writeFile(plan, planBytes("Plan"));
        app.main().openFile(plan);
        const QString opened = app.lines().text();
        comeBackTo(app.main(), elsewhere);
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        if (outside == "-")
            QFile::remove(plan);
        else if (!outside.isEmpty())
            writeFile(plan, outside);
        app.prompts.answer(answer);
        comeBackTo(app.main(), elsewhere);
        QTest::qWait(20); // the question comes once the activation has been handled
        const QStringList asked = outside.isEmpty()
            ? QStringList()
            : QStringList{QStringLiteral("ask: Soubor „%1“ změnil jiný program. Načíst ho znovu?").arg(plan)};
        QCOMPARE(app.prompts.shown, asked);
        QCOMPARE(app.lines().text(), reloaded ? textOf(outside) : opened);
        QCOMPARE(app.state().DocumentModified, !outside.isEmpty() && !reloaded);
        // One change, one question.
        app.prompts.reset();
        comeBackTo(app.main(), elsewhere);
        QTest::qWait(20);
        QCOMPARE(app.prompts.shown, QStringList());
    }

    void changeWhileTheWindowIsActiveIsReportedAtOnce()
    {
        App app;
        const QString plan = app.path(QStringLiteral("plan.46g"));
        writeFile(plan, planBytes("Plan"));
        app.main().openFile(plan);
        app.main().show();
        app.main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&app.main()));
        app.prompts.answer(Answer::Yes);
        writeFile(plan, planBytes("Cizí"));
        QTRY_COMPARE(app.lines().text(), textOf(planBytes("Cizí")));
        QCOMPARE(app.prompts.shown.size(), 1);
    }

    void recentFilesFollowOpenAndSave()
    {
        App app;
        QStringList expected;
        for (int i = 1; i <= 9; ++i) {
            const QString path = app.path(QStringLiteral("plan%1.46g").arg(i));
            writeFile(path, planBytes("Plan"));
            app.main().openFile(path);
            expected.prepend(path);
        }
        QCOMPARE(recentMenu(app), expected.mid(0, 8));
        const QString saved = app.path(QStringLiteral("nový.46g"));
        app.prompts.chooseFile(saved);
        app.trigger("D5");
        expected.prepend(saved);
        QCOMPARE(recentMenu(app), expected.mid(0, 8));
        QCOMPARE(RecentFiles().files(), expected.mid(0, 8)); // what the next start shows
    }

    void choosingARecentFile_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("unsaved");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("opened");
        const QString ask = QStringLiteral("ask: Chcete uložit změny?");
        QTest::newRow("opened") << true << false << QStringList() << true;
        QTest::newRow("opened after Ne") << true << true << QStringList{ask} << true;
        QTest::newRow("missing") << false << true << QStringList{QStringLiteral("info: Soubor „%1“ už neexistuje.")}
                                 << false;
    }
    void choosingARecentFile()
    {
        QFETCH(bool, exists);
        QFETCH(bool, unsaved);
        QFETCH(QStringList, shown);
        QFETCH(bool, opened);
        App app;
        const QString first = app.path(QStringLiteral("první.46g"));
        const QString second = app.path(QStringLiteral("druhý.46g"));
        writeFile(first, planBytes("First"));
        writeFile(second, planBytes("Second"));
        app.main().openFile(first);
        app.main().openFile(second);
        if (!exists)
            QFile::remove(first);
        if (unsaved)
            app.lines().appendLine(QStringLiteral("vlak"));
        app.prompts.answer(Answer::No);
        chooseRecent(app, first);
        shown.replaceInStrings(QStringLiteral("%1"), first);
        QCOMPARE(app.prompts.shown, shown);
        QCOMPARE(app.state().DocumentFileName, opened ? first : second);
        QCOMPARE(recentMenu(app), (exists ? QStringList{first, second} : QStringList{second}));
    }

    void droppedTimetableOpens_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("unsaved");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("opened");
        QTest::newRow("timetable") << QStringLiteral("plan.46g") << false << Answer::Yes << true;
        QTest::newRow("after Ne") << QStringLiteral("plan.46g") << true << Answer::No << true;
        QTest::newRow("cancelled") << QStringLiteral("plan.46g") << true << Answer::Cancel << false;
        QTest::newRow("other file") << QStringLiteral("plan.txt") << false << Answer::Yes << false;
    }
    void droppedTimetableOpens()
    {
        QFETCH(QString, name);
        QFETCH(bool, unsaved);
        QFETCH(Answer, answer);
        QFETCH(bool, opened);
        App app;
        const QString path = app.path(name);
        writeFile(path, planBytes("Plan"));
        if (unsaved) {
            app.lines().appendLine(QStringLiteral("vlak"));
            app.prompts.answer(answer);
        }
        app.main().show();
        drop(app.main(), path);
        QTest::qWait(20); // opening waits until the drop has ended
        QCOMPARE(app.prompts.shown, unsaved ? QStringList{QStringLiteral("ask: Chcete uložit změny?")} : QStringList());
        QCOMPARE(app.state().DocumentFileName, opened ? path : QString());
        QCOMPARE(app.lines().text() == textOf(planBytes("Plan")), opened);
    }
};

QTEST_MAIN(FileKeepingTest)
#include "file_keeping_test.moc"
