#include "document/failure.h"
#include "occupancy/document_analysis.h"
#include "timetable_records.h"

#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

// The plan's rows as "TRACK:BAR,BAR ...", each bar "FIRST-LAST", then
// "/FIRST-LAST" of its estimated minutes, then "!" for a train in a conflict
// or "?" for one that shares only estimated minutes.
QString rowsText(const OccupancyPlan &plan)
{
    QStringList rows;
    for (const TrackRow &row : plan.rows) {
        QStringList bars;
        for (const OccupancyBar &bar : row.bars) {
            QString text = QStringLiteral("%1-%2").arg(bar.first).arg(bar.last);
            if (bar.estimatedFirst <= bar.estimatedLast)
                text += QStringLiteral("/%1-%2").arg(bar.estimatedFirst).arg(bar.estimatedLast);
            const PlannedTrain &train = plan.trains[bar.train];
            bars << text + (train.inConflict ? QString(train.possibleConflictOnly ? u'?' : u'!') : QString());
        }
        rows << row.track + u':' + bars.join(u',');
    }
    return rows.join(u' ');
}

// The plan's rows that hold bars as "TRACK×LANES:BAR,BAR ...", each bar "FIRST-LAST@LANE".
QString lanesText(const OccupancyPlan &plan)
{
    QStringList rows;
    for (const TrackRow &row : plan.rows) {
        QStringList bars;
        for (const OccupancyBar &bar : row.bars)
            bars << QStringLiteral("%1-%2@%3").arg(bar.first).arg(bar.last).arg(bar.lane);
        if (!bars.isEmpty())
            rows << QStringLiteral("%1×%2:").arg(row.track).arg(row.lanes) + bars.join(u',');
    }
    return rows.join(u' ');
}

} // namespace

// The rows and bars the chart draws, and one decoding of a document for both
// the train list and the plan.
class OccupancyPlanTest : public QObject {
    Q_OBJECT

private slots:
    void laysBarsInRows_data();
    void laysBarsInRows();
    void putsTrainsSharingMinutesInLanes_data();
    void putsTrainsSharingMinutesInLanes();
    void listsAsTheTrainListDoes_data();
    void listsAsTheTrainListDoes();
};

void OccupancyPlanTest::laysBarsInRows_data()
{
    QTest::addColumn<QStringList>("document");
    QTest::addColumn<QString>("rows");

    const auto row = [](const char *name, const QString &simulator, const QStringList &records, const char *rows) {
        QTest::newRow(name) << timetable(simulator, records) << QString::fromUtf8(rows);
    };
    const QString stay = record(1, "1 0700 0710", "1", "2 0712 0740");
    const auto nowhere = [](const char *track) { return record(9, "-", track, "-"); };
    row("a stay", kHutky, {stay}, "2: 1:430-432 0:");
    row("a stay through midnight", kHutky, {record(1, "1 2340 2350", "1", "2 0010 0040")}, "2: 1:0-10,1430-1439 0:");
    row("leaving after midnight", kHutky, {record(1, "-", "1", "2 0005 0030")},
        "2: 1:0-5/0-4,1435-1439/1435-1439 0:");
    row("leaving at ten past midnight", kHutky, {record(1, "-", "1", "2 0010 0030")}, "2: 1:0-10/0-9 0:");
    row("arriving before midnight", kHutky, {record(1, "1 2340 2358", "1", "-")},
        "2: 1:0-8/0-8,1438-1439/1439-1439 0:");
    row("arriving eleven minutes before midnight", kHutky, {record(1, "1 2340 2349", "1", "-")},
        "2: 1:1429-1439/1430-1439 0:");
    row("passing", kHutky, {record(1, "1 0950 1000", "1", "2 1000 1020", "18", u'2')}, "2: 1:600-600 0:");
    row("sorted by first minute, in line order within one", kHutky,
        {record(1, "1 0950 1000", "1", "2 1005 1045"), record(2, "1 0700 0710", "1", "2 0720 0740"), stay},
        "2: 1:430-440!,430-432!,600-605 0:");
    row("a long stay over two others", kHutky,
        {record(1, "1 0650 0700", "1", "2 0900 0940"), record(2, "1 0700 0710", "1", "2 0720 0740"),
         record(3, "1 0750 0800", "1", "2 0810 0840")},
        "2: 1:420-540!,430-440!,480-490! 0:");
    row("in conflict through midnight", kHutky,
        {record(1, "1 2345 2355", "1", "2 0005 0030"), record(2, "1 0000 0001", "1", "2 0002 0040")},
        "2: 1:0-5!,1-2!,1435-1439! 0:");
    row("Hutky, then other tracks in character order", kHutky,
        {nowhere("5"), record(2, "1 0700 0710", "A", "2 0712 0740"), nowhere("3"), nowhere("1")},
        "2: 1: 0: 3: 5: A:430-432");
    row("Vrbinov", kVrbinov, {nowhere("9"), stay}, "7: 5: 3: 1:430-432 2: 0: 9:");
    row("Skalín: the tracks used", kSkalin, {nowhere("3"), stay}, "1:430-432 3:");
    row("no simulator", QString(), {nowhere("2"), nowhere("0"), nowhere("0")}, "0: 2:");
    row("no trains", kHutky, {}, "2: 1: 0:");
    // "možná kolize": every shared minute is an estimated one of at least one train.
    row("sharing estimated minutes only", kHutky,
        {record(1, "-", "1", "2 0720 0740"), record(2, "1 0700 0705", "1", "-")},
        "2: 1:425-435/426-435?,430-440/430-439? 0:");
    row("a certain and a possible collision", kHutky,
        {stay, record(2, "-", "1", "2 0720 0740"), record(3, "1 0700 0709", "1", "2 0715 0740")},
        "2: 1:429-435!,430-432!,430-440/430-439? 0:");
    row("estimated minutes against certain ones through midnight", kHutky,
        {record(1, "-", "1", "2 0005 0030"), record(2, "1 2340 2350", "1", "2 0002 0040")},
        "2: 1:0-5/0-4?,0-2?,1430-1439?,1435-1439/1435-1439? 0:");
}

void OccupancyPlanTest::putsTrainsSharingMinutesInLanes_data()
{
    QTest::addColumn<QStringList>("document");
    QTest::addColumn<QString>("lanes");

    const auto row = [](const char *name, const QString &simulator, const QStringList &records, const char *lanes) {
        QTest::newRow(name) << timetable(simulator, records) << QString::fromUtf8(lanes);
    };
    const QString stay = record(1, "1 0700 0710", "1", "2 0712 0740");           // 430-432
    const QString long_ = record(2, "1 0650 0700", "1", "2 0900 0940");          // 420-540
    const QString later = record(3, "1 0720 0730", "1", "2 0740 0800");          // 450-460
    row("one train", kHutky, {stay}, "1×1:430-432@0");
    row("sharing minutes", kHutky, {stay, long_}, "1×2:420-540@0,430-432@1");
    row("sharing the one minute where they touch", kHutky, {stay, record(2, "1 0705 0712", "1", "2 0715 0740")},
        "1×2:430-432@0,432-435@1");
    row("one after the other", kHutky, {stay, record(2, "1 0705 0713", "1", "2 0720 0740")},
        "1×1:430-432@0,433-440@0");
    row("a freed lane taken again", kHutky, {stay, long_, later}, "1×2:420-540@0,430-432@1,450-460@1");
    row("three at once", kHutky, {stay, long_, later, record(4, "1 0725 0735", "1", "2 0745 0800")},
        "1×3:420-540@0,430-432@1,450-460@1,455-465@2");
    row("a train through midnight keeps its lane", kHutky,
        {record(1, "1 2350 0000", "1", "2 0020 0040"), record(2, "1 2340 2350", "1", "2 0010 0030")},
        "1×2:0-20@0,0-10@1,1430-1439@1");
    row("each track its own lanes", kHutky, {stay, record(2, "1 0700 0710", "2", "2 0712 0740"), long_},
        "2×1:430-432@0 1×2:420-540@0,430-432@1");
    row("tracks where trains cannot collide", QString(),
        {record(1, "1 0700 0710", "5", "2 0712 0740"), record(2, "1 0650 0700", "5", "2 0900 0940")},
        "5×2:420-540@0,430-432@1");
}

void OccupancyPlanTest::putsTrainsSharingMinutesInLanes()
{
    QFETCH(QStringList, document);
    QTEST(lanesText(planDocument(document)), "lanes");
}

void OccupancyPlanTest::laysBarsInRows()
{
    QFETCH(QStringList, document);
    QTEST(rowsText(planDocument(document)), "rows");
}

void OccupancyPlanTest::listsAsTheTrainListDoes_data()
{
    QTest::addColumn<QStringList>("document");

    const QString good = record(4521, "1 0705 0712", "1", "2 0713 0740", "18", u'1', "pozn");
    QTest::newRow("records and empty lines") << timetable(kHutky, {good, "", record(2, "-", "2", "2 0800 0830"), ""});
    // The plan goes on past the line that stops the list: line 33 collides with line 31.
    QTest::newRow("a bad number stops the list")
        << timetable(kHutky, {good, record(2, "-", "2", "2 0800 0830").replace(2, 5, "0x002"), good});
    QTest::newRow("short lines are listed as they stand") << timetable(kHutky, {"18045", good});
    QTest::newRow("a bad time does not stop the list")
        << timetable(kHutky, {record(1, "1 2561 0712", "1", "2 0713 0740"), good});
    QTest::newRow("no records") << timetable(kVrbinov, {});
    QTest::newRow("a short header") << QStringList{"", kHutky, "num-code"};
}

void OccupancyPlanTest::listsAsTheTrainListDoes()
{
    QFETCH(QStringList, document);
    TrainList expected;
    std::optional<QString> expectedFailure;
    try {
        decodeTrainList(document, expected);
    } catch (const Failure &failure) {
        expectedFailure = failure.description();
    }
    const DocumentAnalysis analysis = analyseDocument(document);
    QCOMPARE(analysis.list.summaries(), expected.summaries());
    QCOMPARE(analysis.list.lines, expected.lines);
    QCOMPARE(analysis.listFailure, expectedFailure);
    QCOMPARE(findingLines(analysis.plan), findingLines(planDocument(document)));
}

QTEST_GUILESS_MAIN(OccupancyPlanTest)
#include "tst_occupancy_plan.moc"
