#include "occupancy/document_analysis.h"
#include "timetable_records.h"

#include <QElapsedTimer>
#include <QTest>

using namespace tgx;
using tgx::test::record;

namespace {

QString number(int n)
{
    return QString::number(n).rightJustified(5, u'0');
}

// A row's stretches as "FIRST-LAST/ESTIMATED", the estimated minutes "-" for none.
QString barsText(const TrackRow &row)
{
    QStringList bars;
    for (const OccupancyBar &bar : row.bars) {
        const QString estimated = bar.estimatedFirst <= bar.estimatedLast
                                      ? QStringLiteral("%1-%2").arg(bar.estimatedFirst).arg(bar.estimatedLast)
                                      : QStringLiteral("-");
        bars << QStringLiteral("%1-%2/%3").arg(bar.first).arg(bar.last).arg(estimated);
    }
    return bars.join(u' ');
}

QList<const Finding *> findingsOnLine(const OccupancyPlan &plan, int line)
{
    QList<const Finding *> found;
    for (const Finding &finding : plan.findings) {
        if (finding.line == line)
            found << &finding;
    }
    return found;
}

} // namespace

// The rows and bars the chart draws, the conflict marks, and the bounds on
// the number of pair findings.
class OccupancyPlanTest : public QObject {
    Q_OBJECT

private slots:
    void ordersRows_data();
    void ordersRows();
    void cutsStretchesAtMidnight_data();
    void cutsStretchesAtMidnight();
    void marksTrainsInConflict_data();
    void marksTrainsInConflict();
    void sortsEveryRowByFirstMinute();
    void namesTheNearestEarlierLines();
    void namesTheTrainsThatLeftLast();
    void boundsADocumentOfEqualTrains();
};

void OccupancyPlanTest::ordersRows_data()
{
    QTest::addColumn<QString>("simulator");
    QTest::addColumn<QString>("tracks"); // one train on each
    QTest::addColumn<QString>("rows");

    QTest::newRow("Hutky, then other tracks in character order") << test::kHutky << "15A3" << "21035A";
    QTest::newRow("Vrbinov") << test::kVrbinov << "91" << "7531209";
    QTest::newRow("Skalín: tracks used, in character order") << test::kSkalin << "31" << "13";
    QTest::newRow("no simulator") << QString() << "200" << "02";
    QTest::newRow("no trains") << test::kHutky << "" << "210";
}

void OccupancyPlanTest::ordersRows()
{
    QFETCH(QString, simulator);
    QFETCH(QString, tracks);
    QFETCH(QString, rows);

    // Trains that hold their tracks and trains that hold none give the same rows.
    for (const QString &block : {QStringLiteral("2 0712 0740"), QStringLiteral("-")}) {
        QStringList records;
        for (qsizetype i = 0; i < tracks.size(); ++i)
            records << record(number(int(i)), block == u"-" ? block : "1 0700 0710", tracks.mid(i, 1), block);
        const OccupancyPlan plan = planDocument(test::timetable(simulator, records));
        QString shown;
        for (const TrackRow &row : plan.rows)
            shown += row.track;
        QCOMPARE(shown, rows);
    }
}

void OccupancyPlanTest::cutsStretchesAtMidnight_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("bars"); // on track 1

    QTest::newRow("a stay") << record("00001", "1 0700 0710", "1", "2 0712 0740") << "430-432/-";
    QTest::newRow("a stay through midnight")
        << record("00001", "1 2340 2350", "1", "2 0010 0040") << "0-10/- 1430-1439/-";
    QTest::newRow("leaving after midnight")
        << record("00001", "-", "1", "2 0005 0030") << "0-5/0-4 1435-1439/1435-1439";
    QTest::newRow("leaving at ten past midnight") << record("00001", "-", "1", "2 0010 0030") << "0-10/0-9";
    QTest::newRow("arriving before midnight")
        << record("00001", "1 2340 2358", "1", "-") << "0-8/0-8 1438-1439/1439-1439";
    QTest::newRow("arriving eleven minutes before midnight")
        << record("00001", "1 2340 2349", "1", "-") << "1429-1439/1430-1439";
    QTest::newRow("passing") << record("00001", "1 0950 1000", "1", "2 1000 1020", "18", u'2') << "600-600/-";
    QTest::newRow("departure before the arrival") << record("00001", "1 0950 1000", "1", "2 0950 1020") << "600-600/-";
    QTest::newRow("neither arriving nor departing") << record("00001", "-", "1", "-") << "";
}

void OccupancyPlanTest::cutsStretchesAtMidnight()
{
    QFETCH(QString, record);
    QFETCH(QString, bars);
    const OccupancyPlan plan = planDocument(test::timetable(test::kHutky, {record}));
    QCOMPARE(plan.rows.size(), 3);
    QCOMPARE(plan.rows[1].track, u'1');
    QCOMPARE(barsText(plan.rows[1]), bars);
}

void OccupancyPlanTest::marksTrainsInConflict_data()
{
    QTest::addColumn<QString>("simulator");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QString>("marks"); // per train, "1" in a conflict

    const QString at0710 = record("00001", "1 0700 0710", "1", "2 0712 0740");
    const QString at0712 = record("00002", "1 0702 0712", "1", "2 0715 0745");
    const QString at1000 = record("00003", "1 0950 1000", "1", "2 1005 1045");
    QTest::newRow("collision") << test::kHutky << QStringList{at0710, at1000, at0712} << "101";
    QTest::newRow("possible collision")
        << test::kHutky << QStringList{record("00001", "-", "1", "2 0800 0830"), at1000,
                                       record("00002", "1 0735 0745", "1", "2 0755 0825")}
        << "101";
    QTest::newRow("a long stay over two others")
        << test::kHutky
        << QStringList{record("00001", "1 0650 0700", "1", "2 0900 0940"), record("00002", "1 0700 0710", "1", "2 0720 0740"),
                       record("00003", "1 0750 0800", "1", "2 0810 0840")}
        << "111";
    QTest::newRow("through midnight")
        << test::kHutky
        << QStringList{record("00001", "1 2345 2355", "1", "2 0005 0030"), record("00002", "1 0000 0001", "1", "2 0002 0040")}
        << "11";
    QTest::newRow("track 0")
        << test::kHutky
        << QStringList{record("00001", "1 0700 0710", "0", "2 0712 0740"), record("00002", "1 0702 0712", "0", "2 0715 0745")}
        << "00";
    QTest::newRow("Skalín") << test::kSkalin << QStringList{at0710, at0712} << "00";
}

void OccupancyPlanTest::marksTrainsInConflict()
{
    QFETCH(QString, simulator);
    QFETCH(QStringList, records);
    QFETCH(QString, marks);
    const OccupancyPlan plan = planDocument(test::timetable(simulator, records));
    QString shown;
    for (const PlannedTrain &train : plan.trains)
        shown += train.inConflict ? u'1' : u'0';
    QCOMPARE(shown, marks);
}

void OccupancyPlanTest::sortsEveryRowByFirstMinute()
{
    // Trains spread over the day and three tracks, some through midnight.
    QStringList records;
    for (int i = 0; i < 300; ++i) {
        const int arrival = (i * 577) % 1440;
        const int departure = (arrival + i % 40) % 1440;
        const auto time = [](int minutes) { return QStringLiteral("%1%2").arg(minutes / 60, 2, 10, QChar(u'0')).arg(minutes % 60, 2, 10, QChar(u'0')); };
        records << record(number(i), "1 " + time(arrival) + " " + time(arrival), QString::number(i % 3),
                          "2 " + time(departure) + " " + time(departure));
    }
    const OccupancyPlan plan = planDocument(test::timetable(test::kHutky, records));
    qsizetype bars = 0;
    for (const TrackRow &row : plan.rows) {
        for (qsizetype i = 0; i < row.bars.size(); ++i) {
            const OccupancyBar &bar = row.bars[i];
            QVERIFY(i == 0 || row.bars[i - 1].first <= bar.first);
            QVERIFY(bar.first >= 0 && bar.first <= bar.last && bar.last < 1440);
            QCOMPARE(plan.trains[bar.train].track, row.track);
        }
        bars += row.bars.size();
    }
    qsizetype expected = 0;
    for (const PlannedTrain &train : plan.trains)
        expected += train.occupancy.last() >= 1440 ? 2 : 1;
    QCOMPARE(bars, expected);
}

void OccupancyPlanTest::namesTheNearestEarlierLines()
{
    QStringList records;
    for (int i = 0; i < 15; ++i)
        records << record(number(i), "1 0700 0710", "1", "2 0712 0740");
    const OccupancyPlan plan = planDocument(test::timetable(test::kHutky, records));
    for (int i = 0; i < 15; ++i)
        QCOMPARE(findingsOnLine(plan, 31 + i).size(), std::min(i, 10));
    QList<int> named;
    for (const Finding *finding : findingsOnLine(plan, 45))
        named << plan.trains[finding->other].line;
    QCOMPARE(named, (QList<int>{35, 36, 37, 38, 39, 40, 41, 42, 43, 44}));
}

void OccupancyPlanTest::namesTheTrainsThatLeftLast()
{
    // Twelve slow trains leave at 8:00 to 8:11; a fast one leaves at 8:20
    // and overtakes them all, and three more on its way in.
    QStringList records;
    for (int i = 0; i < 12; ++i)
        records << record(number(i), "-", "0", QStringLiteral("2 08%1 0900").arg(i, 2, 10, QChar(u'0')));
    for (int i = 0; i < 3; ++i)
        records << record(number(20 + i), QStringLiteral("1 074%1 0830").arg(i), "0", "-");
    records << record("00099", "1 0750 0815", "0", "2 0820 0830");
    const OccupancyPlan plan = planDocument(test::timetable(test::kHutky, records));
    QList<int> named;
    for (const Finding *finding : findingsOnLine(plan, 46)) {
        QCOMPARE(finding->detail, FindingDetail::OvertakingTo);
        named << plan.trains[finding->other].line;
    }
    QCOMPARE(named, (QList<int>{33, 34, 35, 36, 37, 38, 39, 40, 41, 42}));
}

void OccupancyPlanTest::boundsADocumentOfEqualTrains()
{
    const int trains = 600000;
    QStringList document = test::timetable(test::kHutky, {});
    document.reserve(30 + trains);
    const QString hutky = QStringLiteral("1804521107050712070011207130740270000012013000000000000000000000000");
    for (int i = 0; i < trains; ++i)
        document << hutky;
    QElapsedTimer timer;
    timer.start();
    const OccupancyPlan plan = planDocument(document);
    qInfo("%d equal trains planned in %lld ms", trains, timer.elapsed());

    // Each line names its ten nearest earlier lines and the first one with its number.
    QCOMPARE(plan.findings.size(), qsizetype(10) * trains - 55 + trains - 1);
    const Finding &last = plan.findings.last();
    QCOMPARE(last.line, 30 + trains);
    QCOMPARE(last.kind, FindingKind::DuplicateNumber);
    QCOMPARE(findingText(plan, plan.findings[plan.findings.size() - 2]),
             QStringLiteral("kolize na koleji 1: Os 4521 07:12–07:13 a Os 4521 07:12–07:13 (řádek %1)").arg(29 + trains));
}

QTEST_GUILESS_MAIN(OccupancyPlanTest)
#include "tst_occupancy_plan.moc"
