#include "document/file_watch.h"
#include "document/recent_files.h"
#include "document/recovery_folder.h"
#include "document/recovery_keeper.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tgx;

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Paths numbered from one number to another, in that order.
QStringList numbered(int from, int to)
{
    const int step = from <= to ? 1 : -1;
    QStringList paths;
    for (int i = from; i != to + step; i += step)
        paths << QStringLiteral("/plans/%1.46g").arg(i);
    return paths;
}

} // namespace

// What keeps work through outside changes and crashes: the watch over the
// document's file, the recent files, the recovery copies and their timing.
class FileKeepingCoreTest : public QObject {
    Q_OBJECT

private slots:
    void watchTellsChangesFromRewrites_data()
    {
        QTest::addColumn<QByteArray>("rewritten"); // what another program writes; "-" removes the file
        QTest::addColumn<bool>("changed");
        QTest::newRow("nothing written") << QByteArray() << false;
        QTest::newRow("same bytes again") << QByteArray("plan\r\n") << false;
        QTest::newRow("other bytes, same size") << QByteArray("PLAN\r\n") << true;
        QTest::newRow("longer") << QByteArray("plan\r\nvlak\r\n") << true;
        QTest::newRow("emptied") << QByteArray("") << true;
        QTest::newRow("removed") << QByteArray("-") << true;
    }
    void watchTellsChangesFromRewrites()
    {
        QFETCH(QByteArray, rewritten);
        QFETCH(bool, changed);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.46g"));
        writeBytes(path, "plan\r\n");
        FileWatch watch;
        watch.remember(path, "plan\r\n");
        if (rewritten == "-")
            QFile::remove(path);
        else if (!rewritten.isNull())
            writeBytes(path, rewritten);
        // A rewrite within the file system's time step is seen by the watch
        // once the event loop runs, as it does before the user can act.
        QTRY_COMPARE(watch.changedOnDisk(), changed);
        // Reported once, asked about again only when the file changes again.
        QCOMPARE(watch.takeUnreportedChange(), changed);
        QVERIFY(!watch.takeUnreportedChange());
        QCOMPARE(watch.changedOnDisk(), changed);
    }

    void watchTakesTheEditorsOwnWriteAsTheNewState()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.46g"));
        writeBytes(path, "plan\r\n");
        FileWatch watch;
        QSignalSpy renewed(&watch, &FileWatch::baselineChanged);
        watch.remember(path, "plan\r\n");
        writeBytes(path, "jiný\r\n");
        QVERIFY(watch.takeUnreportedChange());
        writeBytes(path, "uloženo\r\n");
        watch.remember(path, "uloženo\r\n");
        QVERIFY(!watch.changedOnDisk());
        writeBytes(path, "jiný\r\n"); // the state reported before, but after a save it is news again
        QVERIFY(watch.takeUnreportedChange());
        watch.forget();
        QVERIFY(!watch.changedOnDisk());
        QCOMPARE(renewed.count(), 3);
    }

    void recentFilesKeepTheLastEightOnce_data()
    {
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QStringList>("expected");
        const QString a = QStringLiteral("/plans/a.46g");
        const QString b = QStringLiteral("/plans/b.46g");
        const QString c = QStringLiteral("/plans/c.46g");
        QTest::newRow("newest first") << QStringList{a, b, c} << QStringList() << QStringList{c, b, a};
        QTest::newRow("again moves to the front") << QStringList{a, b, a} << QStringList() << QStringList{a, b};
        QTest::newRow("eight kept") << numbered(1, 8) << QStringList() << numbered(8, 1);
        QTest::newRow("ninth drops the oldest") << numbered(1, 9) << QStringList() << numbered(9, 2);
        QTest::newRow("removed") << QStringList{a, b, c} << QStringList{b} << QStringList{c, a};
        QTest::newRow("removing an unknown one") << QStringList{a} << QStringList{b} << QStringList{a};
    }
    void recentFilesKeepTheLastEightOnce()
    {
        QFETCH(QStringList, added);
        QFETCH(QStringList, removed);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        const QString settings = dir.filePath(QStringLiteral("tgxeditor.conf"));
        {
            RecentFiles recent(settings);
            for (const QString &path : added)
                recent.add(path);
            for (const QString &path : removed)
                recent.remove(path);
        }
        QCOMPARE(RecentFiles(settings).files(), expected); // as the next start reads them
    }

    void ownCopyIsNoOrphanAndGoesWithTheEditor()
    {
        QTemporaryDir dir;
        QString copy;
        {
            RecoveryFolder folder(dir.path());
            QVERIFY(folder.write({QStringLiteral("/plans/a.46g"), QStringLiteral("text\n")}));
            copy = folder.copyPath();
            QVERIFY(QFile::exists(copy));
            QVERIFY(!folder.claimOrphan());
            QVERIFY(!RecoveryFolder(dir.path()).claimOrphan()); // nor for a second editor while this one runs
        }
        QVERIFY(!QFile::exists(copy));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }

    void copyWithoutARunningEditorIsOfferedOnce()
    {
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("tgxeditor-1.recovery"));
        writeBytes(copy, R"({"file":"/plány/a.46g","text":"řádek\n"})");
        RecoveryFolder folder(dir.path());
        auto orphan = folder.claimOrphan();
        QVERIFY(orphan);
        QVERIFY(!folder.claimOrphan()); // locked while this editor offers it
        const auto work = orphan->read();
        QVERIFY(work);
        QCOMPARE(work->fileName, QStringLiteral("/plány/a.46g"));
        QCOMPARE(work->text, QStringLiteral("řádek\n"));
        orphan->discard();
        QVERIFY(!QFile::exists(copy));
        QVERIFY(!folder.claimOrphan());
    }

    void keeperWritesPromptlyThenAtMostOncePerInterval()
    {
        QTemporaryDir dir;
        RecoveryFolder folder(dir.path());
        bool unsaved = true;
        QString text = QStringLiteral("první");
        constexpr int interval = 2000;
        RecoveryKeeper keeper(folder, [&] { return unsaved; }, [&] { return UnsavedWork{QString(), text}; },
                              interval);
        keeper.noteChange();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder.copyPath()), interval / 2);
        text = QStringLiteral("druhý");
        keeper.noteChange();
        QTest::qWait(interval / 10);
        QVERIFY(readCopy(folder).contains(QStringLiteral("první")));
        QTRY_VERIFY_WITH_TIMEOUT(readCopy(folder).contains(QStringLiteral("druhý")), interval * 2);
        unsaved = false;
        keeper.noteChange();
        QVERIFY(!QFile::exists(folder.copyPath()));
    }

private:
    static QString readCopy(const RecoveryFolder &folder)
    {
        QFile file(folder.copyPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
};

QTEST_GUILESS_MAIN(FileKeepingCoreTest)
#include "file_keeping_core_test.moc"
