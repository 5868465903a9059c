#include "line/document_findings.h"
#include "line_timetables.h"
#include "occupancy/document_analysis.h"
#include "timetable_records.h"
#include "trains/decoded_record.h"

#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

// Os 4521 from Česká Zálesí through Hutky to Vrbinov, as Hutky plans it.
const QStringList kHutkyTrain = timetable(kHutky, {record(4521, "1 0705 0712", "1", "2 0713 0740")});

QStringList vrbinov(const QStringList &records)
{
    return timetable(kVrbinov, records, QStringLiteral("Plavy"));
}

QStringList zalesi(const QStringList &records, const QString &specified = QStringLiteral("Loučkovice"))
{
    return timetable(kZalesi, records, specified);
}

QStringList dolanov(const QStringList &records, const QString &specified)
{
    return timetable(kDolanov, records, specified);
}

const QString kVrbinovLate = record(4521, "2 0714 0741", "1", "3 0745 0800");
const QString kLateDeparture = "31: Os 4521: odjezd ze stanice Hutky 07:13, ale grafikon stanice Vrbinov má 07:14 (řádek 31)";
const QString kLateArrival = "31: Os 4521: příjezd do stanice Vrbinov 07:40, ale grafikon stanice Vrbinov má 07:41 (řádek 31)";

// "31 Os 4521: D Česká Zálesí 07:05, A Hutky 07:12" for each train, then
// "unreadable 4522" for each number only a line that cannot be read shows.
QStringList statementTexts(const TimetableStatements &statements)
{
    QStringList texts;
    for (const StatedTrain &train : statements.trains) {
        QStringList stated;
        for (const Statement &s : train)
            stated << QStringLiteral("%1 %2 %3")
                          .arg(s.event == StationEvent::Arrival ? "A" : "D", statements.stations[s.station],
                               clockText(s.minute));
        texts << QStringLiteral("%1 %2: %3").arg(train.line).arg(trainLabel(train), stated.join(", "));
    }
    for (const int number : statements.unreadableNumbers)
        texts << QStringLiteral("unreadable %1").arg(number);
    return texts;
}

} // namespace

// What each timetable states of its trains, and what the checks across
// timetables find on the first timetable's lines,
// after its own findings, worded as shown.
class CrossFindingsTest : public QObject {
    Q_OBJECT

private slots:
    void statements_data();
    void statements();
    void findings_data();
    void findings();
    void findingsInTwoPartsJoinAsOne_data();
    void findingsInTwoPartsJoinAsOne();
};

void CrossFindingsTest::statements_data()
{
    QTest::addColumn<QStringList>("document");
    QTest::addColumn<QStringList>("statements");

    QTest::newRow("both blocks") << kHutkyTrain
                                 << QStringList{"31 Os 4521: D Česká Zálesí 07:05, A Hutky 07:12, D Hutky 07:13, "
                                                "A Vrbinov 07:40"};
    QTest::newRow("starting, ending, and a code the station lacks")
        << timetable(kHutky, {record(1, "-", "1", "2 0600 0625"), record(2, "2 0700 0725", "1", "-"),
                              record(3, "1 0800 0807", "1", "3 0810 0830", "22")})
        << QStringList{"31 Os 1: D Hutky 06:00, A Vrbinov 06:25", "32 Os 2: D Vrbinov 07:00, A Hutky 07:25",
                       "33 Sn 3: D Česká Zálesí 08:00, A Hutky 08:07"};
    QTest::newRow("the specified neighbour by header line 7")
        << timetable(kVrbinov, {record(4, "1 0900 0910", "1", "-")}, "Nový Lesov")
        << QStringList{"31 Os 4: D Nový Lesov 09:00, A Vrbinov 09:10"};
    QTest::newRow("unreadable lines")
        << timetable(kHutky, {record(5, "1 0705 0799", "1", "-"), "18x0006", "1800"})
        << QStringList{"unreadable 5"};
    QTest::newRow("no simulator") << timetable({}, kHutkyTrain.mid(30)) << QStringList{"31 Os 4521: "};
}

// Read record by record, or from the occupancy plan, as the editor reads a document.
void CrossFindingsTest::statements()
{
    QFETCH(QStringList, document);
    QFETCH(QStringList, statements);

    QCOMPARE(statementTexts(statementsOf(document)), statements);
    QCOMPARE(statementTexts(statementsOf(planDocument(document), document)), statements);
}

void CrossFindingsTest::findings_data()
{
    QTest::addColumn<Documents>("documents");
    QTest::addColumn<QStringList>("findings");

    QTest::newRow("equal times") << Documents{kHutkyTrain, vrbinov({record(4521, "2 0713 0740", "1", "3 0745 0800")}),
                                          zalesi({record(4521, "1 0650 0700", "1", "2 0705 0712")})}
                                 << QStringList{};
    QTest::newRow("other times") << Documents{kHutkyTrain, vrbinov({kVrbinovLate})} << QStringList{kLateDeparture, kLateArrival};
    QTest::newRow("other times seen from the other side")
        << Documents{vrbinov({kVrbinovLate}), kHutkyTrain}
        << QStringList{"31: Os 4521: odjezd ze stanice Hutky 07:14, ale grafikon stanice Hutky má 07:13 (řádek 31)",
                       "31: Os 4521: příjezd do stanice Vrbinov 07:41, ale grafikon stanice Hutky má 07:40 (řádek 31)"};
    QTest::newRow("a missing train, by the other's own station along the line")
        << Documents{kHutkyTrain, zalesi({}), vrbinov({})}
        << QStringList{"31: Os 4521: v grafikonu stanice Vrbinov chybí příjezd",
                       "31: Os 4521: v grafikonu stanice Česká Zálesí chybí odjezd"};
    QTest::newRow("a missing arrival of a train that starts there")
        << Documents{kHutkyTrain, vrbinov({record(4521, "-", "1", "3 0745 0800")})}
        << QStringList{"31: Os 4521: v grafikonu stanice Vrbinov chybí příjezd"};
    QTest::newRow("other times before missing events")
        << Documents{kHutkyTrain, zalesi({}), vrbinov({kVrbinovLate})}
        << QStringList{kLateDeparture, kLateArrival, "31: Os 4521: v grafikonu stanice Česká Zálesí chybí odjezd"};
    QTest::newRow("after the line's own findings")
        << Documents{timetable(kHutky, {record(4521, "1 0705 0712", "9", "2 0713 0740")}), vrbinov({kVrbinovLate})}
        << QStringList{"31: kolej 9 v této stanici není", kLateDeparture, kLateArrival};
    QTest::newRow("before a later line's own findings")
        << Documents{kHutkyTrain + QStringList{record(5, "1 0805 0812", "9", "-")}, vrbinov({kVrbinovLate})}
        << QStringList{kLateDeparture, kLateArrival, "32: kolej 9 v této stanici není"};
    QTest::newRow("a number on two lines of the subject is left out")
        << Documents{kHutkyTrain + QStringList{kHutkyTrain.last()}, vrbinov({})}
        << QStringList{"32: kolize na koleji 1: Os 4521 07:12–07:13 a Os 4521 07:12–07:13 (řádek 31)",
                       "32: číslo vlaku 4521 je už na řádku 31"};
    QTest::newRow("a number on two lines of the other is left out")
        << Documents{kHutkyTrain, vrbinov({kVrbinovLate, kVrbinovLate})} << QStringList{};
    QTest::newRow("a number only an unreadable line of the other holds")
        << Documents{kHutkyTrain, vrbinov({record(4521, "2 0713 0799", "1", "3 0745 0800")})} << QStringList{};
    QTest::newRow("an unreadable line of the subject")
        << Documents{timetable(kHutky, {record(4521, "1 0705 0799", "1", "2 0713 0740")}), vrbinov({})}
        << QStringList{"31: záznam vlaku nelze přečíst: „07:99“ na pozicích 13–16 není čas"};
    QTest::newRow("through midnight")
        << Documents{timetable(kHutky, {record(7, "1 2340 2350", "1", "2 2358 0025")}),
                 vrbinov({record(7, "2 2358 0027", "1", "3 0030 0045")})}
        << QStringList{"31: Os 7: příjezd do stanice Vrbinov 00:25, ale grafikon stanice Vrbinov má 00:27 (řádek 31)"};

    const QStringList dolanovToTovacov = dolanov({record(801, "3 0800 0810", "1", "1 0812 0840")}, "Loučkovice");
    const QStringList skalin = timetable(kSkalin, {record(801, "2 0812 0825", "0", "1 0826 0838")});
    QTest::newRow("Skalín between Dolanov n.Ok. and Tovačov východ")
        << Documents{dolanovToTovacov, skalin}
        << QStringList{"31: Os 801: příjezd do stanice Tovačov východ 08:40, ale grafikon stanice Skalín má 08:38 (řádek 31)"};
    QTest::newRow("Skalín's own timetable")
        << Documents{skalin, dolanovToTovacov}
        << QStringList{
               "31: Os 801: příjezd do stanice Tovačov východ 08:38, ale grafikon stanice Dolanov n.Ok. má 08:40 (řádek 31)"};

    const QString fromZalesi = record(9, "2 0840 0902", "1", "3 0905 0915");
    QTest::newRow("the specified neighbour is the other's own station")
        << Documents{dolanov({fromZalesi}, "Česká Zálesí"), zalesi({}, "Dolanov n.Ok.")}
        << QStringList{"31: Os 9: v grafikonu stanice Česká Zálesí chybí odjezd"};
    QTest::newRow("the specified neighbour is the closed station")
        << Documents{dolanov({fromZalesi}, "Loučkovice"), zalesi({}, "Loučkovice")} << QStringList{};
    QTest::newRow("both specified neighbours name the other's own station")
        << Documents{zalesi({record(9, "2 0820 0830", "1", "1 0840 0900")}, "Dolanov n.Ok."),
                 dolanov({fromZalesi}, "Česká Zálesí")}
        << QStringList{"31: Os 9: příjezd do stanice Dolanov n.Ok. 09:00, ale grafikon stanice Dolanov n.Ok. má 09:02 (řádek 31)"};
    QTest::newRow("the same simulator twice")
        << Documents{kHutkyTrain, timetable(kHutky, {record(4521, "1 0705 0714", "1", "2 0715 0740")})} << QStringList{};
    // Only its own finding about line 2: nothing is compared.
    QTest::newRow("a timetable for no simulator")
        << Documents{timetable({}, kHutkyTrain.mid(30)), vrbinov({})}
        << QStringList{"2: řádek 2 neuvádí simulátor, koleje a předjíždění proto nekontroluje"};
}

void CrossFindingsTest::findings()
{
    QFETCH(Documents, documents);
    QFETCH(QStringList, findings);

    const DocumentFindings all(planDocument(documents.first()), CrossTimetableFindings(statementsOfAll(documents), 0));
    QStringList shown;
    for (qsizetype row = 0; row < all.size(); ++row)
        shown << QStringLiteral("%1: %2").arg(all.line(row)).arg(all.text(row));
    QCOMPARE(shown, findings);
}

void CrossFindingsTest::findingsInTwoPartsJoinAsOne_data()
{
    QTest::addColumn<Documents>("documents"); // the subject first
    QTest::addColumn<QList<int>>("first");    // the others of the first part; the rest make the second

    // Os 4521 is late in Vrbinov, missing in Česká Zálesí, and as Hutky has it in Dolanov n.Ok.
    const QStringList subject = timetable(kHutky, {record(4521, "1 0705 0712", "1", "2 0713 0740"),
                                                   record(4523, "2 0800 0828", "1", "1 0830 0836")});
    const QStringList late = vrbinov({kVrbinovLate, record(4523, "1 0750 0800", "1", "2 0801 0828")});
    const QStringList lacking = zalesi({record(4523, "2 0836 0840", "1", "3 0841 0850")});
    const Documents all{subject, late, lacking, dolanov({}, QStringLiteral("Loučkovice"))};
    QTest::newRow("one other, then the rest") << all << QList<int>{1};
    QTest::newRow("the last other, then the rest") << all << QList<int>{3};
    QTest::newRow("a missing train first, one at another time after it") << all << QList<int>{2};
    QTest::newRow("two others interleaved") << all << QList<int>{1, 3};
    QTest::newRow("nothing in the first part") << all << QList<int>{};
}

// The findings against some timetables joined to those against the others
// are those against all of them, in the same order.
void CrossFindingsTest::findingsInTwoPartsJoinAsOne()
{
    QFETCH(Documents, documents);
    QFETCH(QList<int>, first);

    const QList<TimetableStatements> timetables = statementsOfAll(documents);
    QList<int> second;
    for (int other = 1; other < timetables.size(); ++other) {
        if (!first.contains(other))
            second << other;
    }
    const auto texts = [](const CrossTimetableFindings &found) {
        QStringList shown;
        for (const CrossFinding &finding : found.findings())
            shown << QStringLiteral("%1: %2").arg(finding.line).arg(found.text(finding));
        return shown;
    };
    const CrossTimetableFindings whole(timetables, 0);
    const CrossTimetableFindings joined = CrossTimetableFindings::joined(CrossTimetableFindings(timetables, 0, first),
                                                                         CrossTimetableFindings(timetables, 0, second));
    QCOMPARE(texts(joined), texts(whole));
    QVERIFY(whole.findings().size() >= 3);
}

QTEST_GUILESS_MAIN(CrossFindingsTest)
#include "tst_cross_findings.moc"
