#include "document/file_bytes.h"
#include "printed_timetable.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

const QString kProgram = QStringLiteral(TGX_EDITOR_PROGRAM);
constexpr int kTrains = 150; // more than one page of a table

struct Run {
    int exitCode = -1;
    QString errors;
};

// The program run as a user runs it on a machine without a display.
Run runProgram(const QStringList &arguments, const QString &folder)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(kProgram, arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// The PDF's text as pdftotext lays it out, pages ended by form feeds.
QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {"-layout", pdf, "-"});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Where names first stand in text one after another, or the first one out of order.
QString firstOutOfOrder(const QString &text, const QStringList &names)
{
    qsizetype from = 0;
    for (const QString &name : names) {
        const qsizetype at = text.indexOf(name + u' ', from);
        if (at < 0)
            return name;
        from = at + name.size();
    }
    return {};
}

} // namespace

class PrintCommandTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils) is needed to read the printed sheets");
        QVERIFY(m_dir.isValid());
        QFile file(m_dir.filePath(QStringLiteral("den.46g")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(FileBytes::fromText(generatedTimetable(m_trains).join(u'\n') + u'\n'));
    }

    void printsEverySheet_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QStringList>("order");  // train names (the chart's hours) as they follow one another
        QTest::addColumn<QString>("onEveryPage"); // besides the head
        QTest::addColumn<int>("fewestPages");

        QStringList documentOrder;
        for (const GeneratedTrain &train : m_trains)
            documentOrder << train.name;
        QTest::newRow("departures by time") << "odjezdy" << namesByDeparture(m_trains) << "Do stanice" << 2;
        QTest::newRow("arrivals by time") << "prijezdy" << namesByArrival(m_trains) << "Ze stanice" << 2;
        QTest::newRow("the train list in document order") << "seznam" << documentOrder << "" << 2;
        QStringList hours;
        for (int hour = 0; hour < 24; ++hour)
            hours << QStringLiteral("%1:00").arg(hour, 2, 10, QChar(u'0'));
        QTest::newRow("the track chart by hours, with its legend") << "obsazeni" << hours << "osobní vlak" << 2;
    }

    void printsEverySheet()
    {
        QFETCH(QString, sheet);
        QFETCH(QStringList, order);
        QFETCH(QString, onEveryPage);
        QFETCH(int, fewestPages);
        const QString pdf = sheet + QStringLiteral(".pdf");
        const Run run = runProgram({"--print", sheet, "den.46g", pdf}, m_dir.path());
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));

        const QString text = pdfText(m_dir.filePath(pdf));
        const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
        QVERIFY2(pages.size() >= fewestPages, qPrintable(QString::number(pages.size())));
        const QString out = firstOutOfOrder(text, order);
        QVERIFY2(out.isEmpty(), qPrintable(out + QStringLiteral(" is missing or out of order")));
        for (qsizetype n = 0; n < pages.size(); ++n) {
            const QString &page = pages[n];
            QVERIFY2(page.contains(QStringLiteral("strana %1 z %2").arg(n + 1).arg(pages.size())), qPrintable(page));
            QVERIFY2(page.contains(QStringLiteral("Zelto ŽST Hutky")), qPrintable(page));
            QVERIFY2(page.contains(kTimetableName), qPrintable(page));
            QVERIFY2(page.contains(onEveryPage), qPrintable(page));
        }
    }

    void refusesWhatItCannotPrint_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("said"); // a piece of standard error

        QTest::newRow("an unknown sheet") << QStringList{"--print", "odjezd", "den.46g", "x.pdf"} << "„odjezd“";
        QTest::newRow("a timetable that is not there") << QStringList{"--print", "odjezdy", "chybi.46g", "x.pdf"}
                                                       << "chybi.46g";
        QTest::newRow("a folder that is not there") << QStringList{"--print", "seznam", "den.46g", "nic/x.pdf"}
                                                    << "x.pdf";
        QTest::newRow("a missing file name") << QStringList{"--print", "seznam", "den.46g"} << "--print";
    }

    void refusesWhatItCannotPrint()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        QFile::remove(m_dir.filePath(QStringLiteral("x.pdf")));
        const Run run = runProgram(arguments, m_dir.path());
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.errors.contains(said), qPrintable(run.errors));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("x.pdf"))));
    }

private:
    QTemporaryDir m_dir;
    const QList<GeneratedTrain> m_trains = generatedTrains(kTrains);
};

QTEST_GUILESS_MAIN(PrintCommandTest)
#include "print_command_test.moc"
