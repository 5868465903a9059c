#include "document/code_page.h"
#include "document/file_store.h"
#include "occupancy/timetable_check.h"
#include "timetable_records.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace tgx;
using tgx::test::record;

namespace {

// What a file given to the check holds.
enum class Content { Clean, Faulty, Missing };

// A timetable in code page 1250 with the given line end, diacritics in header
// line 2 (which must be read right for the simulator to count) and in notes.
QByteArray fileBytes(Content content, const QByteArray &lineEnd)
{
    const QString note = QStringLiteral("poznámka žluťoučký kůň");
    QStringList records{record("00001", "1 0700 0710", "1", "2 0712 0740", "18", u'1', note)};
    if (content == Content::Faulty) {
        records << record("00002", "1 0702 0712", "1", "2 0715 0745")
                << record("00003", "1 0658 0720", "2", "-", "18", u'1', note);
    }
    QByteArray bytes = CodePage1250::encode(test::timetable(test::kHutky, records).join(u'\n') + u'\n');
    return bytes.replace("\n", lineEnd);
}

// The findings of the faulty file, after "FILE:".
const QStringList kFaultyFindings = {
    "31: Os 1 předjíždí Os 3 (řádek 33) na trati ze stanice Zálesí",
    "32: kolize na koleji 1: Os 2 07:12–07:15 a Os 1 07:10–07:12 (řádek 31)",
    "32: Os 2 předjíždí Os 3 (řádek 33) na trati ze stanice Zálesí",
};

} // namespace

// The command line check of timetable files: output and exit codes.
class TimetableCheckTest : public QObject {
    Q_OBJECT

private slots:
    void checksFiles_data();
    void checksFiles();
};

void TimetableCheckTest::checksFiles_data()
{
    QTest::addColumn<QList<Content>>("files");
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("clean file") << QList{Content::Clean} << QByteArray("\r\n") << 0;
    QTest::newRow("faults, CR LF") << QList{Content::Faulty} << QByteArray("\r\n") << 1;
    QTest::newRow("faults, LF") << QList{Content::Faulty} << QByteArray("\n") << 1;
    QTest::newRow("a clean and a faulty file") << QList{Content::Clean, Content::Faulty} << QByteArray("\n") << 1;
    QTest::newRow("missing file") << QList{Content::Missing} << QByteArray("\n") << 2;
    QTest::newRow("a missing file and faults")
        << QList{Content::Faulty, Content::Missing, Content::Faulty} << QByteArray("\r\n") << 2;
    QTest::newRow("no files") << QList<Content>{} << QByteArray("\n") << 0;
}

void TimetableCheckTest::checksFiles()
{
    QFETCH(QList<Content>, files);
    QFETCH(QByteArray, lineEnd);
    QFETCH(int, exitCode);

    const QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QStringList paths;
    QString expectedOut;
    QStringList expectedErrors;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = dir.filePath(QStringLiteral("grafikon %1.46g").arg(i));
        paths << path;
        if (files[i] == Content::Missing) {
            expectedErrors << QStringLiteral("Soubor nelze přečíst „%1“").arg(path);
            continue;
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(fileBytes(files[i], lineEnd));
        if (files[i] == Content::Faulty) {
            for (const QString &finding : kFaultyFindings)
                expectedOut += path + u':' + finding + u'\n';
        }
    }

    QByteArray outBytes;
    QByteArray errBytes;
    QTextStream out(&outBytes);
    QTextStream err(&errBytes);
    QCOMPARE(checkFiles(paths, DiskFileStore(), out, err), exitCode);
    QCOMPARE(outBytes, expectedOut.toUtf8());
    const QStringList errors = QString::fromUtf8(errBytes).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(errors.size(), expectedErrors.size());
    for (qsizetype i = 0; i < errors.size(); ++i)
        QVERIFY2(errors[i].startsWith(expectedErrors[i]), qPrintable(errors[i]));
}

QTEST_GUILESS_MAIN(TimetableCheckTest)
#include "tst_timetable_check.moc"
