#include "printing/day_split.h"
#include "printing/sheet_rows.h"
#include "trains/decoded_record.h"
#include "timetable_records.h"

#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

// A row as "07:13 Os 101 Vrbinov 1 průjezd | note", to compare whole sheets at a glance.
QString shown(const SheetRow &row)
{
    QString text = clockText(row.minute) + u' ' + row.train + u' ' + row.station + u' ' + row.track;
    if (row.passing)
        text += QStringLiteral(" průjezd");
    if (!row.note.isEmpty())
        text += QStringLiteral(" | ") + row.note;
    return text;
}

QStringList shown(const QList<SheetRow> &rows)
{
    QStringList texts;
    for (const SheetRow &row : rows)
        texts << shown(row);
    return texts;
}

// Hutky: neighbour 1 is "Zálesí", 2 "Vrbinov".
const QString kLate = record(101, "1 0900 0910", "1", "2 0912 0930");
const QString kEarly = record(102, "2 0600 0615", "2", "1 0620 0640", "15");
const QString kOriginating = record(103, "-", "1", "2 0700 0720");
const QString kTerminating = record(104, "1 0740 0750", "2", "-");
const QString kPassing = record(105, "1 0800 0805", "1", "2 0805 0820", "18", u'2', "rychle");
const QString kSameMinuteA = record(201, "1 1000 1010", "1", "2 1020 1040");
const QString kSameMinuteB = record(202, "2 0950 1010", "2", "1 1020 1030");
const QString kTooShort = QStringLiteral("18003011");
const QString kNotATime = record(301, "1 2561 0700", "1", "2 0710 0730");

} // namespace

class PrintedSheetsTest : public QObject {
    Q_OBJECT

private slots:
    void stationSheets_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QStringList>("departures");
        QTest::addColumn<QStringList>("arrivals");

        QTest::newRow("ordered by the time in the own station, not by line")
            << QStringList{kLate, kEarly}
            << QStringList{"06:20 R 102 Zálesí 2", "09:12 Os 101 Vrbinov 1"}
            << QStringList{"06:15 R 102 Vrbinov 2", "09:10 Os 101 Zálesí 1"};
        QTest::newRow("the same minute keeps the document's order")
            << QStringList{kSameMinuteB, kSameMinuteA}
            << QStringList{"10:20 Os 202 Zálesí 2", "10:20 Os 201 Vrbinov 1"}
            << QStringList{"10:10 Os 202 Vrbinov 2", "10:10 Os 201 Zálesí 1"};
        QTest::newRow("an originating train only leaves, a terminating one only arrives")
            << QStringList{kOriginating, kTerminating}
            << QStringList{"07:00 Os 103 Vrbinov 1"}
            << QStringList{"07:50 Os 104 Zálesí 2"};
        QTest::newRow("a passing train is marked on both sheets, with its note")
            << QStringList{kPassing}
            << QStringList{"08:05 Os 105 Vrbinov 1 průjezd | rychle"}
            << QStringList{"08:05 Os 105 Zálesí 1 průjezd | rychle"};
        QTest::newRow("unreadable lines are left out, the others stay")
            << QStringList{kTooShort, kLate, kNotATime}
            << QStringList{"09:12 Os 101 Vrbinov 1"}
            << QStringList{"09:10 Os 101 Zálesí 1"};
        QTest::newRow("empty lines among the records are skipped")
            << QStringList{kLate, QString(), kEarly}
            << QStringList{"06:20 R 102 Zálesí 2", "09:12 Os 101 Vrbinov 1"}
            << QStringList{"06:15 R 102 Vrbinov 2", "09:10 Os 101 Zálesí 1"};
    }

    void stationSheets()
    {
        QFETCH(QStringList, records);
        QFETCH(QStringList, departures);
        QFETCH(QStringList, arrivals);
        const QStringList document = timetable(kHutky, records);
        QCOMPARE(shown(departureRows(document)), departures);
        QCOMPARE(shown(arrivalRows(document)), arrivals);
    }

    void rowsNameTheirDocumentLine()
    {
        const QList<SheetRow> rows = departureRows(timetable(kHutky, {kLate, kEarly}));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].line, 32);
        QCOMPARE(rows[1].line, 31);
    }

    void trainList_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QStringList>("starts"); // how each printed line begins

        QTest::newRow("document order, not time") << QStringList{kLate, kEarly} << QStringList{"Os 101 - ", "R 102 - "};
        QTest::newRow("a short line as it stands") << QStringList{kTooShort, kLate}
                                                   << QStringList{kTooShort, "Os 101 - "};
        QTest::newRow("stops where the list stops: a number that is not one")
            << QStringList{kLate, QStringLiteral("18x0000") + kEarly.mid(7), kEarly} << QStringList{"Os 101 - "};
    }

    void trainList()
    {
        QFETCH(QStringList, records);
        QFETCH(QStringList, starts);
        const QStringList lines = trainListLines(timetable(kHutky, records));
        QCOMPARE(lines.size(), starts.size());
        for (qsizetype i = 0; i < lines.size(); ++i)
            QVERIFY2(lines[i].startsWith(starts[i]), qPrintable(lines[i]));
    }

    void daySplit_data()
    {
        QTest::addColumn<double>("areaWidth");
        QTest::addColumn<double>("minimumWidth");
        QTest::addColumn<int>("hoursPerPage");
        QTest::addColumn<int>("pages");

        QTest::newRow("the whole day fits") << 1440.0 << 1.0 << 24 << 1;
        QTest::newRow("five legible hours: five pages of five") << 300.0 << 1.0 << 5 << 5;
        QTest::newRow("seven legible hours: four pages of six") << 420.0 << 1.0 << 6 << 4;
        QTest::newRow("not even one hour: an hour a page") << 30.0 << 1.0 << 1 << 24;
        QTest::newRow("just short of eight hours") << 479.0 << 1.0 << 6 << 4;
    }

    void daySplit()
    {
        QFETCH(double, areaWidth);
        QFETCH(double, minimumWidth);
        QFETCH(int, hoursPerPage);
        QFETCH(int, pages);
        const DaySplit split = splitDay(areaWidth, minimumWidth);
        QCOMPARE(split.hoursPerPage, hoursPerPage);
        QCOMPARE(split.pages(), pages);
        QVERIFY(split.minuteWidth >= minimumWidth || hoursPerPage == 1);
        QVERIFY(split.minuteWidth * hoursPerPage * 60 <= areaWidth + 1e-9);
        int minutes = 0;
        for (int page = 0; page < pages; ++page)
            minutes += split.minutes(page);
        QCOMPARE(minutes, kMinutesPerDay);
    }

    void rowGroups_data()
    {
        QTest::addColumn<QList<int>>("offsets");
        QTest::addColumn<double>("height");
        QTest::addColumn<QList<int>>("groups");

        QTest::newRow("all fit") << QList<int>{0, 26, 52, 78} << 100.0 << QList<int>{0, 3};
        QTest::newRow("two pages of rows") << QList<int>{0, 26, 52, 78} << 60.0 << QList<int>{0, 2, 3};
        QTest::newRow("exactly full") << QList<int>{0, 26, 52} << 52.0 << QList<int>{0, 2};
        QTest::newRow("a row taller than the page stands alone") << QList<int>{0, 10, 110, 120} << 50.0
                                                                 << QList<int>{0, 1, 2, 3};
        QTest::newRow("no rows") << QList<int>{0} << 50.0 << QList<int>{0, 0};
    }

    void rowGroups()
    {
        QFETCH(QList<int>, offsets);
        QFETCH(double, height);
        QFETCH(QList<int>, groups);
        QCOMPARE(tgx::rowGroups(offsets, height), groups);
    }
};

QTEST_GUILESS_MAIN(PrintedSheetsTest)
#include "tst_printed_sheets.moc"
