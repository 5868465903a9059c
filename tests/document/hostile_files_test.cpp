#include "app_fixture.h"
#include "document/train_list_model.h"
#include "failing_disk.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <limits>

#include <unistd.h>

using namespace tgx;
using namespace tgx::test;

namespace {

const QString kRecord = QStringLiteral("1804521107050712070011207130740270000012013000000000000000000000000");
// A few seconds (in ms), with room for a busy machine. Sanitized code runs
// several times slower, so there only the outcome is checked, not the time.
#ifdef TGX_SANITIZED_BUILD
constexpr qint64 kFewSeconds = std::numeric_limits<qint64>::max();
#else
constexpr qint64 kFewSeconds = 10000;
#endif

bool runningAsRoot() { return ::geteuid() == 0; }

// Opens path through the menu, answering no question about saving.
qint64 openTimed(App &app, const QString &path)
{
    app.prompts.chooseFile(path);
    QElapsedTimer timer;
    timer.start();
    app.trigger("D3");
    return timer.elapsed();
}

} // namespace

// Files that are empty, binary, huge or out of reach open (or fail) without a
// crash, quickly, and a failure changes nothing.
class HostileFilesTest : public QObject {
    Q_OBJECT

private slots:
    void filesThatOpen_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lineCount");
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("only NUL bytes") << QByteArray(4096, '\0') << 1;
        QTest::newRow("only CR") << QByteArray(5000, '\r') << 5000;
        QByteArray random(1 << 20, Qt::Uninitialized);
        QRandomGenerator generator(1250);
        for (char &b : random)
            b = char(generator.bounded(256));
        QTest::newRow("random binary") << random << -1;
    }

    void filesThatOpen()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, lineCount);
        App app;
        const QString path = app.path(QStringLiteral("hostile.46g"));
        writeFile(path, bytes);
        QVERIFY(openTimed(app, path) < kFewSeconds);
        if (lineCount >= 0)
            QCOMPARE(app.lines().lineCount(), lineCount);
        QCOMPARE(app.state().DocumentFileName, path);
        QVERIFY(!app.state().DocumentModified);
        QCOMPARE(app.panel(1), path);
    }

    void aFiftyMegabyteFileOpensInAFewSeconds()
    {
        App app;
        const QString path = app.path(QStringLiteral("big.46g"));
        {
            QByteArray header = QByteArray("\r\n").repeated(30);
            const QByteArray line = kRecord.toLatin1() + QByteArray("poznámka", 8) + "\r\n";
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(header);
            while (file.size() < 50 * 1000 * 1000)
                file.write(line.repeated(1000));
        }
        const qint64 ms = openTimed(app, path);
        qInfo("50 MB file opened in %lld ms", ms);
        QVERIFY(ms < kFewSeconds);
        QCOMPARE(app.state().DocumentFileName, path);
        QVERIFY(app.trainList().rowCount() > 600000);
        QVERIFY(!app.state().DocumentModified);
    }

    void aTenMegabyteLineOpens()
    {
        App app;
        const QString path = app.path(QStringLiteral("long.46g"));
        writeFile(path, QByteArray("\r\n").repeated(30) + kRecord.toLatin1() + QByteArray(10 * 1000 * 1000, 'x'));
        QVERIFY(openTimed(app, path) < kFewSeconds);
        QCOMPARE(app.lines().lineCount(), 31);
        QCOMPARE(app.trainList().rowCount(), 1);
        QCOMPARE(app.lines().line(31).size(), 67 + 10 * 1000 * 1000);
    }

    void aFileTooLargeForTheEditorIsRefused()
    {
        App app;
        const QString path = app.path(QStringLiteral("huge.46g"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(DiskFileStore::kMaxFileSize + 1)); // sparse: no disk space taken
        file.close();
        app.lines().replaceLine(1, QStringLiteral("Můj plán"));
        app.state().DocumentModified = false;
        openTimed(app, path);
        QCOMPARE(app.prompts.messages().value(0), QStringLiteral("Error 00D3"));
        QCOMPARE(app.lines().line(1), QStringLiteral("Můj plán"));
        QCOMPARE(app.state().DocumentFileName, QString());
    }

    void placesThatCannotBeReadChangeNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("directory") << QStringLiteral("directory");
        QTest::newRow("no read permission") << QStringLiteral("unreadable");
    }

    void placesThatCannotBeReadChangeNothing()
    {
        QFETCH(QString, kind);
        App app;
        QString path = app.path(QStringLiteral("folder.46g"));
        if (kind == u"directory") {
            QVERIFY(QDir().mkdir(path));
        } else {
            if (runningAsRoot())
                QSKIP("Running as root: file permissions do not stop root from reading.");
            writeFile(path, "x\r\n");
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        }
        const QString text = QStringLiteral("Můj plán\nZelto ŽST Hutky\n") + QString(28, u'\n');
        app.lines().setText(text);
        app.state().DocumentModified = true;
        app.state().DocumentFileName = app.path(QStringLiteral("mine.46g"));
        app.prompts.answer(Prompts::Answer::No); // keep the changes unsaved
        openTimed(app, path);
        const QStringList messages = app.prompts.messages();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[0], QStringLiteral("Error 00D3"));
        QVERIFY(messages[1].contains(path));
        QCOMPARE(app.lines().text(), text);
        QVERIFY(app.state().DocumentModified);
        QCOMPARE(app.state().DocumentFileName, app.path(QStringLiteral("mine.46g")));
        QCOMPARE(app.panel(0), QStringLiteral("Zelto ŽST Hutky"));
    }

    void aWriteThatFailsMidwayLeavesTheOldFileIntact()
    {
        FailingDisk disk;
        App app(&disk);
        const QString path = app.path(QStringLiteral("kept.46g"));
        writeFile(path, "the old file\r\n");
        app.state().DocumentFileName = path;
        app.lines().appendLine(kRecord);
        app.trigger("D4");
        const QStringList messages = app.prompts.messages();
        QCOMPARE(messages.mid(0, 2), (QStringList{"Error 00B4!", "Error 00D4"}));
        QCOMPARE(messages.size(), 3);
        QCOMPARE(readFile(path), QByteArray("the old file\r\n"));
        QCOMPARE(QDir(app.dir.path()).entryList(QDir::Files), QStringList{"kept.46g"}); // no temporary left
        QVERIFY(app.state().DocumentModified);
    }

    void savingIntoAReadOnlyFolderFailsAndKeepsTheFile()
    {
        if (runningAsRoot())
            QSKIP("Running as root: a read-only folder does not stop root from writing.");
        App app;
        const QString folder = app.path(QStringLiteral("locked"));
        QVERIFY(QDir().mkdir(folder));
        const QString path = folder + QStringLiteral("/plan.46g");
        writeFile(path, "old\r\n");
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        app.state().DocumentFileName = path;
        app.lines().replaceLine(1, QStringLiteral("nový"));
        app.trigger("D4");
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(app.prompts.messages().mid(0, 2), (QStringList{"Error 00B4!", "Error 00D4"}));
        QCOMPARE(readFile(path), QByteArray("old\r\n"));
        QVERIFY(app.state().DocumentModified);
    }
};

QTEST_MAIN(HostileFilesTest)
#include "hostile_files_test.moc"
