#include "occupancy/document_analysis.h"
#include "timetable_records.h"

#include <QTest>

using namespace tgx;
using tgx::test::record;

namespace {

const QString kNoSimulator;

} // namespace

// What the timetable checks find in small timetables, worded as shown.
class OccupancyFindingsTest : public QObject {
    Q_OBJECT

private slots:
    void findsOnTracks_data();
    void findsOnTracks();
    void findsSingleTrainFaults_data();
    void findsSingleTrainFaults();
    void findsOvertakings_data();
    void findsOvertakings();
    void describesUnreadableRecords_data();
    void describesUnreadableRecords();
    void checksOnPastUnreadableLines();
};

void OccupancyFindingsTest::findsOnTracks_data()
{
    QTest::addColumn<QString>("simulator");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QStringList>("findings");

    const QString at0710 = record("00001", "1 0700 0710", "1", "2 0712 0740");
    QTest::newRow("touching stays share their minute")
        << test::kHutky << QStringList{at0710, record("00002", "1 0702 0712", "1", "2 0715 0745")}
        << QStringList{"32: kolize na koleji 1: Os 2 07:12–07:15 a Os 1 07:10–07:12 (řádek 31)"};
    QTest::newRow("a train the minute after")
        << test::kHutky << QStringList{at0710, record("00002", "1 0703 0713", "1", "2 0715 0745")} << QStringList{};
    QTest::newRow("other tracks")
        << test::kHutky << QStringList{at0710, record("00002", "1 0702 0712", "2", "2 0715 0745")} << QStringList{};
    QTest::newRow("through midnight")
        << test::kHutky
        << QStringList{record("00001", "1 2345 2355", "1", "2 0005 0030"),
                       record("00002", "1 2355 0003", "1", "2 0010 0040")}
        << QStringList{"32: kolize na koleji 1: Os 2 00:03–00:10 a Os 1 23:55–00:05 (řádek 31)"};
    QTest::newRow("only the estimated minutes before a departure")
        << test::kHutky
        << QStringList{record("00001", "-", "1", "2 0800 0830"), record("00002", "1 0735 0745", "1", "2 0755 0825")}
        << QStringList{"32: možná kolize na koleji 1: Os 2 07:45–07:55 a Os 1 07:50–08:00 (řádek 31)"};
    QTest::newRow("up to the departure itself")
        << test::kHutky
        << QStringList{record("00001", "-", "1", "2 0800 0830"), record("00002", "1 0735 0745", "1", "2 0800 0830")}
        << QStringList{"32: kolize na koleji 1: Os 2 07:45–08:00 a Os 1 07:50–08:00 (řádek 31)"};
    QTest::newRow("estimated minutes of either train after arrivals")
        << test::kHutky
        << QStringList{record("00001", "1 0850 0900", "1", "-"), record("00002", "1 0855 0905", "1", "-")}
        << QStringList{"32: možná kolize na koleji 1: Os 2 09:05–09:15 a Os 1 09:00–09:10 (řádek 31)"};
    QTest::newRow("two arrivals in one minute")
        << test::kHutky
        << QStringList{record("00001", "1 0850 0900", "1", "-"), record("00002", "1 0850 0900", "1", "-")}
        << QStringList{"32: kolize na koleji 1: Os 2 09:00–09:10 a Os 1 09:00–09:10 (řádek 31)"};
    QTest::newRow("estimated minutes through midnight")
        << test::kHutky
        << QStringList{record("00001", "-", "2", "2 0005 0030"), record("00002", "1 2340 2350", "2", "2 2356 0020")}
        << QStringList{"32: možná kolize na koleji 2: Os 2 23:50–23:56 a Os 1 23:55–00:05 (řádek 31)"};
    QTest::newRow("a passing train holds one minute")
        << test::kHutky
        << QStringList{record("00001", "1 0950 1000", "1", "2 1000 1020", "18", u'2'),
                       record("00002", "1 0940 0950", "1", "2 1000 1030")}
        << QStringList{"32: kolize na koleji 1: Os 2 09:50–10:00 a Os 1 10:00–10:00 (řádek 31)"};
    QTest::newRow("a passing train and one leaving the minute before")
        << test::kHutky
        << QStringList{record("00001", "1 0950 1000", "1", "2 1000 1020", "18", u'2'),
                       record("00002", "1 0940 0950", "1", "2 0959 1019")}
        << QStringList{};
    QTest::newRow("track 0 is no regular track")
        << test::kHutky
        << QStringList{record("00001", "1 0700 0710", "0", "2 0712 0740"),
                       record("00002", "1 0702 0712", "0", "2 0715 0745")}
        << QStringList{};
    QTest::newRow("type code outside the table")
        << test::kHutky << QStringList{at0710, record("00002", "1 0702 0712", "1", "2 0715 0745", "99")}
        << QStringList{"32: kolize na koleji 1: 99 2 07:12–07:15 a Os 1 07:10–07:12 (řádek 31)"};
    QTest::newRow("a track the station lacks")
        << test::kHutky << QStringList{record("00001", "1 0700 0710", "3", "2 0712 0740")}
        << QStringList{"31: kolej 3 v této stanici není"};
    QTest::newRow("collisions on a track the station lacks")
        << test::kHutky
        << QStringList{record("00001", "1 0700 0710", "9", "2 0712 0740"),
                       record("00002", "1 0702 0712", "9", "2 0715 0745")}
        << QStringList{"31: kolej 9 v této stanici není",
                       "32: kolize na koleji 9: Os 2 07:12–07:15 a Os 1 07:10–07:12 (řádek 31)",
                       "32: kolej 9 v této stanici není"};
    const QStringList anyTracks{at0710, record("00002", "1 0702 0712", "1", "2 0715 0745"),
                                record("00003", "1 0702 0712", "7", "2 0715 0745")};
    QTest::newRow("Skalín has no track list") << test::kSkalin << anyTracks << QStringList{};
    QTest::newRow("no simulator") << kNoSimulator << anyTracks << QStringList{};
}

void OccupancyFindingsTest::findsOnTracks()
{
    QFETCH(QString, simulator);
    QFETCH(QStringList, records);
    QFETCH(QStringList, findings);
    QCOMPARE(test::findingLines(planDocument(test::timetable(simulator, records))), findings);
}

void OccupancyFindingsTest::findsSingleTrainFaults_data()
{
    QTest::addColumn<QString>("simulator");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QStringList>("findings");

    QTest::newRow("numbers compare as numbers and the first line is named")
        << kNoSimulator
        << QStringList{record("00734", "1 0700 0710", "1", "2 0712 0740"), record("00735", "-", "1", "2 0800 0830"),
                       record("00734", "-", "2", "2 0900 0930"), record("00734", "1 1000 1010", "2", "-")}
        << QStringList{"33: číslo vlaku 734 je už na řádku 31", "34: číslo vlaku 734 je už na řádku 31"};
    QTest::newRow("a train neither arriving nor departing has its number too")
        << test::kHutky << QStringList{record("00000", "-", "1", "-"), record("00000", "-", "2", "-")}
        << QStringList{"32: číslo vlaku 0 je už na řádku 31"};
    QTest::newRow("departure before the arrival")
        << test::kHutky << QStringList{record("00001", "1 0950 1000", "1", "2 0950 1020")}
        << QStringList{"31: odjezd 09:50 je dříve než příjezd 10:00"};
    QTest::newRow("a stay of twelve hours")
        << test::kHutky << QStringList{record("00001", "1 0950 1000", "1", "2 2200 2220")} << QStringList{};
    QTest::newRow("a stay of a minute more")
        << test::kHutky << QStringList{record("00001", "1 0950 1000", "1", "2 2201 2220")}
        << QStringList{"31: odjezd 22:01 je dříve než příjezd 10:00"};
    QTest::newRow("a train held to its arrival collides there alone")
        << test::kHutky
        << QStringList{record("00005", "1 0945 0955", "9", "2 1005 1035"),
                       record("00005", "1 0950 1000", "9", "2 0950 1020")}
        << QStringList{"31: kolej 9 v této stanici není",
                       "32: kolize na koleji 9: Os 5 10:00–10:00 a Os 5 09:55–10:05 (řádek 31)",
                       "32: kolej 9 v této stanici není", "32: číslo vlaku 5 je už na řádku 31",
                       "32: odjezd 09:50 je dříve než příjezd 10:00"};
}

void OccupancyFindingsTest::findsSingleTrainFaults()
{
    QFETCH(QString, simulator);
    QFETCH(QStringList, records);
    QFETCH(QStringList, findings);
    QCOMPARE(test::findingLines(planDocument(test::timetable(simulator, records))), findings);
}

void OccupancyFindingsTest::findsOvertakings_data()
{
    QTest::addColumn<QString>("simulator");
    QTest::addColumn<QString>("specified");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QStringList>("findings");

    QTest::newRow("on the way to a neighbour, reported on the earlier line")
        << test::kHutky << QString()
        << QStringList{record("00001", "-", "1", "2 0805 0820"), record("00002", "-", "2", "2 0800 0830")}
        << QStringList{"31: Os 1 předjíždí Os 2 (řádek 32) na trati do stanice Vrbinov"};
    QTest::newRow("on the way from a neighbour")
        << test::kHutky << QString()
        << QStringList{record("00001", "1 0700 0740", "1", "-"), record("00002", "1 0710 0730", "2", "-")}
        << QStringList{"32: Os 2 předjíždí Os 1 (řádek 31) na trati ze stanice Zálesí"};
    QTest::newRow("through midnight")
        << test::kHutky << QString()
        << QStringList{record("00001", "-", "1", "2 2350 0030"), record("00002", "-", "2", "2 0005 0020")}
        << QStringList{"32: Os 2 předjíždí Os 1 (řádek 31) na trati do stanice Vrbinov"};
    QTest::newRow("arriving together")
        << test::kHutky << QString()
        << QStringList{record("00001", "-", "1", "2 0800 0830"), record("00002", "-", "2", "2 0810 0830")}
        << QStringList{};
    QTest::newRow("leaving together")
        << test::kHutky << QString()
        << QStringList{record("00001", "-", "1", "2 0800 0830"), record("00002", "-", "2", "2 0800 0820")}
        << QStringList{};
    QTest::newRow("different neighbours")
        << test::kHutky << QString()
        << QStringList{record("00001", "-", "1", "1 0800 0830"), record("00002", "-", "2", "2 0805 0820")}
        << QStringList{};
    QTest::newRow("a code without a station")
        << test::kHutky << QString()
        << QStringList{record("00001", "-", "1", "4 0800 0830"), record("00002", "-", "2", "4 0805 0820")}
        << QStringList{};
    QTest::newRow("no simulator")
        << kNoSimulator << QString()
        << QStringList{record("00001", "-", "1", "2 0800 0830"), record("00002", "-", "2", "2 0805 0820")}
        << QStringList{};
    QTest::newRow("the specified neighbour")
        << test::kVrbinov << QStringLiteral("Plavy")
        << QStringList{record("00001", "-", "1", "1 0800 0830"), record("00002", "-", "2", "1 0805 0820")}
        << QStringList{"32: Os 2 předjíždí Os 1 (řádek 31) na trati do stanice Plavy"};
    QTest::newRow("Skalín's sections are checked")
        << test::kSkalin << QString()
        << QStringList{record("00001", "-", "0", "2 0800 0830"), record("00002", "-", "0", "2 0805 0820")}
        << QStringList{"32: Os 2 předjíždí Os 1 (řádek 31) na trati do stanice Dolanov"};
}

void OccupancyFindingsTest::findsOvertakings()
{
    QFETCH(QString, simulator);
    QFETCH(QString, specified);
    QFETCH(QStringList, records);
    QFETCH(QStringList, findings);
    QCOMPARE(test::findingLines(planDocument(test::timetable(simulator, records, specified))), findings);
}

void OccupancyFindingsTest::describesUnreadableRecords_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("description"); // empty for a readable line

    const QString good = record("04521", "1 0705 0712", "1", "2 0713 0740");
    const auto with = [&](int position, const QString &text) { return QString(good).replace(position - 1, text.size(), text); };
    QTest::newRow("one character") << "1" << "záznam má jen 1 znak";
    QTest::newRow("three characters") << "180" << "záznam má jen 3 znaky";
    QTest::newRow("thirty characters") << good.left(30) << "záznam má jen 30 znaků";
    QTest::newRow("thirty-one characters") << good.left(31) << "";
    QTest::newRow("number") << with(3, "45x21") << "„45x21“ na pozicích 3–7 není číslo vlaku";
    QTest::newRow("blank in the number") << with(3, " 4521") << "„ 4521“ na pozicích 3–7 není číslo vlaku";
    QTest::newRow("arrival code") << with(8, "x") << "„x“ na pozici 8 není kód sousední stanice";
    QTest::newRow("departure at the neighbour") << with(9, "0760") << "„07:60“ na pozicích 9–12 není čas";
    QTest::newRow("arrival here") << with(13, "2561") << "„25:61“ na pozicích 13–16 není čas";
    QTest::newRow("departure code") << with(23, "-") << "„-“ na pozici 23 není kód sousední stanice";
    QTest::newRow("departure from here") << with(24, "2400") << "„24:00“ na pozicích 24–27 není čas";
    QTest::newRow("arrival at the neighbour") << with(28, "07a0") << "„07:a0“ na pozicích 28–31 není čas";
    QTest::newRow("the first fault in position order") << with(9, "x").replace(3, 1, u'y')
                                                       << "„0y521“ na pozicích 3–7 není číslo vlaku";
    QTest::newRow("an absent block's times are not read") << with(23, "0xxxxxxxx") << "";
    QTest::newRow("a type outside the table is readable") << with(1, "x9") << "";
    QTest::newRow("running times are not read") << with(17, "ab") << "";
}

void OccupancyFindingsTest::describesUnreadableRecords()
{
    QFETCH(QString, line);
    QFETCH(QString, description);
    const QStringList findings = test::findingLines(planDocument(test::timetable(test::kHutky, {line})));
    QCOMPARE(findings, description.isEmpty() ? QStringList{}
                                             : QStringList{"31: záznam vlaku nelze přečíst: " + description});
}

void OccupancyFindingsTest::checksOnPastUnreadableLines()
{
    const QString at0710 = record("00001", "1 0700 0710", "1", "2 0712 0740");
    const QStringList records{at0710, "1804521", "", record("0x001", "1 0700 0710", "1", "2 0712 0740"),
                              record("00002", "1 0702 0712", "1", "2 0715 0745"),
                              record("00001", "1 0702 0712", "2", "2 0715 0745")};
    const OccupancyPlan plan = planDocument(test::timetable(test::kHutky, records));
    QCOMPARE(test::findingLines(plan),
             (QStringList{"32: záznam vlaku nelze přečíst: záznam má jen 7 znaků",
                          "34: záznam vlaku nelze přečíst: „0x001“ na pozicích 3–7 není číslo vlaku",
                          "35: kolize na koleji 1: Os 2 07:12–07:15 a Os 1 07:10–07:12 (řádek 31)",
                          "36: číslo vlaku 1 je už na řádku 31"}));
    QCOMPARE(plan.trains.size(), 3);
}

QTEST_GUILESS_MAIN(OccupancyFindingsTest)
#include "tst_occupancy_findings.moc"
