#include "line/line_catalogue.h"
#include "line/line_graph.h"
#include "line/line_graph_builder.h"
#include "line_timetables.h"
#include "timetable_records.h"
#include "trains/decoded_record.h"

#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

enum Line { MainLine, ToTovacov, ToRadlicka, ToPernov, ToCihelna, ToKobar };

// "Hutky 162 *": a row's station, its y and whether it is drawn strong.
QStringList rowTexts(const LineGraph &graph)
{
    QStringList rows;
    for (const GraphRow &row : graph.rows)
        rows << QStringLiteral("%1 %2%3").arg(row.station).arg(row.y).arg(row.strong ? " *" : "");
    return rows;
}

// "Hutky 00:02+1 D1": a point's station, minute (on the next day with +1),
// event (arrival or departure) and timetable.
QString pointText(const LineGraph &graph, const GraphPoint &point)
{
    return QStringLiteral("%1 %2%3 %4%5")
        .arg(graph.rows[point.row].station, clockText(point.minute % kMinutesPerDay),
             point.minute >= kMinutesPerDay ? "+1" : "", point.event == StationEvent::Arrival ? "A" : "D")
        .arg(point.timetable);
}

// "4521 line 31: Česká Zálesí > Hutky 07:12 A0 Hutky 07:13 D0 > Radlická",
// the stations off the line at either end, line 0 for a train the document
// lacks, "line 31!" for a train with a finding against another timetable.
QStringList trainTexts(const LineGraph &graph)
{
    QStringList trains;
    for (const GraphTrain &train : graph.trains) {
        QStringList parts{
            QStringLiteral("%1 line %2%3:").arg(train.number).arg(train.documentLine).arg(train.hasFinding ? "!" : "")};
        if (!train.comesFrom.isEmpty())
            parts << train.comesFrom + " >";
        for (const GraphPoint &point : train.points)
            parts << pointText(graph, point);
        if (!train.goesTo.isEmpty())
            parts << "> " + train.goesTo;
        trains << parts.join(u' ');
    }
    return trains;
}

QStringList vrbinov(const QStringList &records, const QString &specified = QStringLiteral("Plavy"))
{
    return timetable(kVrbinov, records, specified);
}

} // namespace

// The graph of a line: its rows, their spacing, and the trains joined across timetables.
class LineGraphTest : public QObject {
    Q_OBJECT

private slots:
    void linesOfOwnStations_data();
    void linesOfOwnStations();
    void rows_data();
    void rows();
    void trains_data();
    void trains();
    void aChangedDocumentGivesTheGraphOfItsText_data();
    void aChangedDocumentGivesTheGraphOfItsText();
};

void LineGraphTest::linesOfOwnStations_data()
{
    QTest::addColumn<QString>("simulator");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("Vrbinov") << kVrbinov << QStringList{"Nový Lesov – Obora - Mrázov", "Vrbinov – Radlická"};
    QTest::newRow("Hutky") << kHutky << QStringList{"Nový Lesov – Obora - Mrázov"};
    QTest::newRow("Zálesí") << kZalesi
                            << QStringList{"Nový Lesov – Obora - Mrázov", "Česká Zálesí – Zálesský Pernov",
                                           "Česká Zálesí – vlečka Cihelna"};
    QTest::newRow("Dolanov") << kDolanov
                             << QStringList{"Nový Lesov – Obora - Mrázov", "Dolanov n.Ok. – Tovačov východ",
                                            "Dolanov n.Ok. – vlečka Kobar"};
    QTest::newRow("Olšanov") << kOlsanov << QStringList{"Nový Lesov – Obora - Mrázov"};
    QTest::newRow("Skalín") << kSkalin << QStringList{"Dolanov n.Ok. – Tovačov východ"};
    QTest::newRow("no simulator") << QString() << QStringList{};
}

void LineGraphTest::linesOfOwnStations()
{
    QFETCH(QString, simulator);
    QFETCH(QStringList, lines);

    QStringList names;
    for (const int line : linesHolding(statementsOf(timetable(simulator, {})).stations.value(0)))
        names << railLines()[line].name;
    QCOMPARE(names, lines);
}

void LineGraphTest::rows_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<Documents>("documents");
    QTest::addColumn<QStringList>("rows");

    const QStringList hutky = timetable(kHutky, {});
    QTest::newRow("one timetable without trains: fixed gaps")
        << int(MainLine) << Documents{hutky} << QStringList{"Vrbinov 0", "Hutky 60 *", "Česká Zálesí 120"};
    QTest::newRow("the shortest running time, at least the minimum gap")
        << int(MainLine)
        << Documents{timetable(kHutky, {record(1, "1 0705 0712", "1", "2 0713 0740"), record(2, "2 0800 0828", "1", "1 0830 0836"),
                                    record(3, "2 0900 0902", "2", "-")})}
        << QStringList{"Vrbinov 0", "Hutky 24 *", "Česká Zálesí 60"};
    QTest::newRow("several timetables from the first to the last station they name")
        << int(MainLine) << Documents{hutky, timetable(kZalesi, {}, "Loučkovice"), vrbinov({})}
        << QStringList{"Plavy 0", "Vrbinov 60 *", "Hutky 120 *", "Česká Zálesí 180 *", "Loučkovice 240"};
    QTest::newRow("the far end of the main line")
        << int(MainLine) << Documents{timetable(kOlsanov, {})}
        << QStringList{"Dolanov n.Ok. 0", "Olšanov n.Ok. 60 *", "Obora - Mrázov 120"};
    const QStringList dolanov = timetable(kDolanov, {record(801, "3 0800 0810", "1", "1 0812 0842")}, "Loučkovice");
    QTest::newRow("a run over a station no timetable states shares its time")
        << int(ToTovacov) << Documents{dolanov} << QStringList{"Dolanov n.Ok. 0 *", "Skalín 90", "Tovačov východ 180"};
    QTest::newRow("Skalín between Dolanov n.Ok. and Tovačov východ")
        << int(ToTovacov) << Documents{dolanov, timetable(kSkalin, {record(801, "2 0812 0825", "0", "1 0826 0838")})}
        << QStringList{"Dolanov n.Ok. 0 *", "Skalín 78 *", "Tovačov východ 174"};
    QTest::newRow("Vrbinov – Radlická")
        << int(ToRadlicka) << Documents{vrbinov({record(5, "2 0700 0720", "1", "3 0725 0733")})}
        << QStringList{"Vrbinov 0 *", "Radlická 48"};
    QTest::newRow("Česká Zálesí – Zálesský Pernov")
        << int(ToPernov) << Documents{timetable(kZalesi, {}, "Loučkovice")}
        << QStringList{"Česká Zálesí 0 *", "Zálesský Pernov 60"};
    QTest::newRow("Česká Zálesí – vlečka Cihelna")
        << int(ToCihelna) << Documents{timetable(kZalesi, {record(6, "4 1000 1005", "1", "-")}, "Loučkovice")}
        << QStringList{"Česká Zálesí 0 *", "vlečka Cihelna 30"};
    QTest::newRow("Dolanov n.Ok. – vlečka Kobar")
        << int(ToKobar) << Documents{timetable(kDolanov, {}, "Loučkovice")} << QStringList{"Dolanov n.Ok. 0 *", "vlečka Kobar 60"};
    QTest::newRow("a line no timetable names") << int(ToTovacov) << Documents{hutky} << QStringList{};
    QTest::newRow("no simulator") << int(MainLine) << Documents{timetable({}, {})} << QStringList{};
}

void LineGraphTest::rows()
{
    QFETCH(int, line);
    QFETCH(Documents, documents);
    QFETCH(QStringList, rows);

    QCOMPARE(rowTexts(lineGraph(line, statementsOfAll(documents))), rows);
}

void LineGraphTest::trains_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<Documents>("documents");
    QTest::addColumn<QStringList>("trains");

    const QStringList hutky = timetable(kHutky, {record(4521, "1 0705 0712", "1", "2 0713 0740")});
    QTest::newRow("one timetable") << int(MainLine) << Documents{hutky}
                                   << QStringList{"4521 line 31: Česká Zálesí 07:05 D0 Hutky 07:12 A0 Hutky 07:13 D0 "
                                                  "Vrbinov 07:40 A0"};
    QTest::newRow("joined by number, each station's own times kept")
        << int(MainLine) << Documents{hutky, vrbinov({record(4521, "2 0714 0741", "1", "3 0745 0800")})}
        << QStringList{"4521 line 31!: Česká Zálesí 07:05 D0 Hutky 07:12 A0 Hutky 07:13 D0 Vrbinov 07:41 A1 "
                       "Vrbinov 07:45 D1 > Radlická"};
    QTest::newRow("in time order whatever timetable comes first")
        << int(MainLine) << Documents{vrbinov({record(4521, "2 0713 0740", "1", "1 0745 0800")}), hutky}
        << QStringList{"4521 line 31: Česká Zálesí 07:05 D1 Hutky 07:12 A1 Hutky 07:13 D1 Vrbinov 07:40 A0 "
                       "Vrbinov 07:45 D0 Plavy 08:00 A0"};
    QTest::newRow("a train only a loaded timetable holds")
        << int(MainLine) << Documents{vrbinov({}), hutky}
        << QStringList{"4521 line 0!: Česká Zálesí 07:05 D1 Hutky 07:12 A1 Hutky 07:13 D1 Vrbinov 07:40 A1"};
    QTest::newRow("a number on two lines is not joined")
        << int(MainLine) << Documents{hutky + hutky.mid(30), vrbinov({record(4521, "2 0713 0740", "1", "-")})}
        << QStringList{"4521 line 31: Česká Zálesí 07:05 D0 Hutky 07:12 A0 Hutky 07:13 D0 Vrbinov 07:40 A0",
                       "4521 line 32: Česká Zálesí 07:05 D0 Hutky 07:12 A0 Hutky 07:13 D0 Vrbinov 07:40 A0",
                       "4521 line 0: Hutky 07:13 D1 Vrbinov 07:40 A1"};
    QTest::newRow("through midnight")
        << int(MainLine) << Documents{timetable(kHutky, {record(7, "1 2350 2358", "1", "2 0002 0025")})}
        << QStringList{"7 line 31: Česká Zálesí 23:50 D0 Hutky 23:58 A0 Hutky 00:02+1 D0 Vrbinov 00:25+1 A0"};
    QTest::newRow("from midnight on, off the line before it")
        << int(ToRadlicka) << Documents{vrbinov({record(8, "2 2350 0010", "1", "3 0015 0030")})}
        << QStringList{"8 line 31: Hutky > Vrbinov 00:10 A0 Vrbinov 00:15 D0 Radlická 00:30 A0"};
    QTest::newRow("to and from stations off the line, in order of the day")
        << int(ToRadlicka)
        << Documents{vrbinov({record(11, "2 0900 0920", "1", "2 0925 0945"), record(10, "3 0800 0815", "1", "1 0820 0830")})}
        << QStringList{"10 line 32: Radlická 08:00 D0 Vrbinov 08:15 A0 Vrbinov 08:20 D0 > Plavy",
                       "11 line 31: Hutky > Vrbinov 09:20 A0 Vrbinov 09:25 D0 > Hutky"};
}

void LineGraphTest::trains()
{
    QFETCH(int, line);
    QFETCH(Documents, documents);
    QFETCH(QStringList, trains);

    QCOMPARE(trainTexts(lineGraph(line, statementsOfAll(documents))), trains);
}

void LineGraphTest::aChangedDocumentGivesTheGraphOfItsText_data()
{
    QTest::addColumn<Documents>("documents"); // the document before the change, and the loaded ones
    QTest::addColumn<QStringList>("changed");   // the document after it

    const QString os = record(4521, "1 0705 0712", "1", "2 0713 0740");
    const QString late = record(4521, "1 0705 0714", "1", "2 0715 0742");
    const QString other = record(6100, "2 0900 0928", "2", "1 0930 0936");
    const QStringList hutky = timetable(kHutky, {os, other});
    const QStringList loaded = vrbinov({record(4521, "2 0713 0740", "1", "3 0745 0800"),
                                        record(6100, "1 0850 0858", "1", "2 0900 0928")});
    const QStringList zalesi = timetable(kZalesi, {record(4521, "3 0650 0705", "1", "2 0706 0712")}, "Loučkovice");
    QTest::newRow("a joined train's times") << Documents{hutky, loaded} << timetable(kHutky, {late, other});
    QTest::newRow("a note only") << Documents{hutky, loaded}
                                 << timetable(kHutky, {record(4521, "1 0705 0712", "1", "2 0713 0740", "18", u'1', "x"), other});
    QTest::newRow("a line inserted before the trains") << Documents{hutky, loaded}
                                                       << timetable(kHutky, {other, os, other.left(10)});
    QTest::newRow("a number now on two lines") << Documents{hutky, loaded} << timetable(kHutky, {os, os, other});
    QTest::newRow("a number no longer on two lines") << Documents{timetable(kHutky, {os, os}), loaded}
                                                     << timetable(kHutky, {os, other});
    QTest::newRow("a train removed, the loaded one's left alone") << Documents{hutky, loaded} << timetable(kHutky, {other});
    QTest::newRow("a train added that a loaded timetable holds")
        << Documents{timetable(kHutky, {other}), loaded, zalesi} << timetable(kHutky, {other, os});
    const QStringList zalesiRuns = {record(31, "1 0600 0610", "1", "2 0611 0630"), record(32, "2 0700 0710", "1", "3 0711 0730"),
                                    record(33, "3 0800 0810", "1", "1 0811 0830")};
    QTest::newRow("another specified neighbour")
        << Documents{timetable(kZalesi, zalesiRuns, "Loučkovice"), loaded} << timetable(kZalesi, zalesiRuns, "Dolanov n.Ok.");
    QTest::newRow("another simulator, the rows begin elsewhere")
        << Documents{hutky, zalesi} << vrbinov({record(4521, "2 0713 0740", "1", "1 0745 0800")});
}

// A builder that drew the document before the change draws what a builder
// meeting the changed document afresh draws.
void LineGraphTest::aChangedDocumentGivesTheGraphOfItsText()
{
    QFETCH(Documents, documents);
    QFETCH(QStringList, changed);

    const QList<TimetableStatements> before = statementsOfAll(documents);
    QList<TimetableStatements> after = before;
    after.first() = statementsOf(changed);
    const auto findingsOf = [](const QList<TimetableStatements> &timetables) {
        QList<CrossTimetableFindings> findings;
        for (int t = 0; t < timetables.size(); ++t)
            findings << CrossTimetableFindings(timetables, t);
        return findings;
    };
    LineGraphBuilder builder;
    builder.setLoaded(MainLine, before.mid(1));
    builder.build(before.first(), findingsOf(before));
    const LineGraph graph = builder.build(after.first(), findingsOf(after));
    const LineGraph afresh = lineGraph(MainLine, after);
    QCOMPARE(rowTexts(graph), rowTexts(afresh));
    QCOMPARE(trainTexts(graph), trainTexts(afresh));
    QVERIFY(!afresh.trains.isEmpty());
}

QTEST_GUILESS_MAIN(LineGraphTest)
#include "tst_line_graph.moc"
