#include "document/failure.h"
#include "trains/summary_line.h"

#include <QTest>

using namespace tgx;

namespace {

const QString kVrbinov = QStringLiteral("Zelto ŽST Vrbinov");
const QString kDolanov = QStringLiteral("Zelto ŽST Dolanov");
const QString kHutky = QStringLiteral("Zelto ŽST Hutky");

// A record from its parts: the 13 characters of each block, and the note.
QString record(QStringView type, QStringView number, QStringView arrival, QStringView track,
               QStringView passage, QStringView departure, QStringView note = {})
{
    QString line;
    for (QStringView part : {type, number, arrival, track, passage, departure})
        line += part;
    line += u"00012013000000000000000000000000";
    line += note;
    return line;
}

const QString kOriginating = record(u"18", u"00734", u"0000000000000", u"1", u"1", u"2060506171200");
const QString kBothPassing =
    record(u"15", u"01142", u"2075808030500", u"3", u"4", u"3080308120900", u"posila");
const QString kPlain = record(u"18", u"00734", u"1081008150500", u"1", u"1", u"2081608250900");

// A document of the given header lines 1, 2 and 7 (others empty) followed by
// the given lines from line 31 on.
QStringList document(const QString &simulator, const QString &specified, const QStringList &records)
{
    QStringList lines(30);
    lines[1] = simulator;
    lines[6] = specified;
    return lines + records;
}

} // namespace

class SummaryLineTest : public QObject {
    Q_OBJECT

private slots:
    void summarisesRecords_data();
    void summarisesRecords();
    void failsOnANonDecimalNumber();
    void listsNothingWithoutRecords_data();
    void listsNothingWithoutRecords();
    void skipsEmptyLinesAndKeepsLineNumbers();
    void stopsAtABadNumberKeepingEarlierItems();
    void replacesAnEarlierList();
};

void SummaryLineTest::summarisesRecords_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("simulator");
    QTest::addColumn<QString>("specified");
    QTest::addColumn<QString>("summary");

    QTest::newRow("originating Hutky train")
        << kOriginating << kHutky << "" << "Os 734 - ( výchozí ) - 1.kol - Vrbinov - 06:05 - 06:17";
    QTest::newRow("Vrbinov train passing both")
        << kBothPassing << kVrbinov << "Plavy"
        << "R 1142 - Hutky - 07:58pr - 08:03 - 3.kol - Radlická - průjezd - 08:12 - posila";
    QTest::newRow("terminating train with note")
        << record(u"26", u"00000", u"2075808030500", u"3", u"3", u"0000000000000", u"Kobar") << kVrbinov
        << "Plavy" << "Mn 0 - Hutky - 07:58pr - 08:03 - 3.kol - ( končící ) - Kobar";
    QTest::newRow("empty simulator") << kPlain << "" << ""
                                     << "Os 734 - 08:10 - 08:15 - 1.kol - 08:16 - 08:25";
    QTest::newRow("simulator with a trailing blank")
        << kPlain << kHutky + u' ' << "" << "Os 734 - 08:10 - 08:15 - 1.kol - 08:16 - 08:25";
    QTest::newRow("code without a row")
        << record(u"18", u"12000", u"4081008150500", u"1", u"1", u"2081608250900") << kHutky << ""
        << "Os 12000 - 08:10 - 08:15 - 1.kol - Vrbinov - 08:16 - 08:25";
    QTest::newRow("specified neighbour shows line 7")
        << record(u"18", u"00734", u"1081008150500", u"1", u"1", u"3081608250900") << kVrbinov << "Nový Lesov"
        << "Os 734 - Nový Lesov - 08:10 - 08:15 - 1.kol - Radlická - 08:16 - 08:25";
    QTest::newRow("Dolanov short names")
        << record(u"10", u"00001", u"2081008150500", u"4", u"1", u"3081608250900") << kDolanov << "Loučkovice"
        << "SC 1 - Loučkovice - 08:10 - 08:15 - 4.kol - Olšanov - 08:16 - 08:25";
    QTest::newRow("passing the neighbour")
        << record(u"18", u"00734", u"1081008150500", u"1", u"3", u"2081608250900") << kHutky << ""
        << "Os 734 - Zálesí - 08:10pr - 08:15 - 1.kol - Vrbinov - 08:16 - 08:25";
    QTest::newRow("passing the own station")
        << record(u"18", u"00734", u"1081008150500", u"1", u"2", u"2081508251000") << kHutky << ""
        << "Os 734 - Zálesí - 08:10 - 08:15 - 1.kol - Vrbinov - průjezd - 08:25";
    QTest::newRow("note of one blank") << kPlain + u' ' << "" << ""
                                       << "Os 734 - 08:10 - 08:15 - 1.kol - 08:16 - 08:25 -  ";
    QTest::newRow("type code outside the table")
        << record(u"29", u"00734", u"0000000000000", u"1", u"1", u"0000000000000") << "" << ""
        << "29 734 - ( výchozí ) - 1.kol - ( končící )";
    QTest::newRow("letters as type code")
        << record(u"x1", u"00734", u"0000000000000", u"1", u"1", u"0000000000000") << "" << ""
        << "x1 734 - ( výchozí ) - 1.kol - ( končící )";
    QTest::newRow("31 characters") << kPlain.left(31) << kHutky << ""
                                   << "Os 734 - Zálesí - 08:10 - 08:15 - 1.kol - Vrbinov - 08:16 - 08:25";
    QTest::newRow("30 characters shown as they stand") << kPlain.left(30) << kHutky << "" << kPlain.left(30);
    QTest::newRow("short line with letters") << "12a45 x" << kHutky << "" << "12a45 x";
}

void SummaryLineTest::summarisesRecords()
{
    QFETCH(QString, record);
    QFETCH(QString, simulator);
    QFETCH(QString, specified);
    QFETCH(QString, summary);

    QCOMPARE(summaryLine(record, simulator, specified), summary);
}

void SummaryLineTest::failsOnANonDecimalNumber()
{
    const QString bad = record(u"18", u"12a45", u"1081008150500", u"1", u"1", u"2081608250900");
    try {
        summaryLine(bad, kHutky, u"");
        QFAIL("a letter in the train number was summarised");
    } catch (const Failure &failure) {
        QCOMPARE(failure.description(), kConversionError);
    }
}

void SummaryLineTest::listsNothingWithoutRecords_data()
{
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("no lines") << QStringList();
    QTest::newRow("only line 2") << QStringList{"", kHutky};
    QTest::newRow("header only") << document(kHutky, "", {});
    QTest::newRow("empty record lines") << document(kHutky, "", {"", ""});
}

void SummaryLineTest::listsNothingWithoutRecords()
{
    QFETCH(QStringList, lines);

    TrainList list;
    decodeTrainList(lines, list);
    QVERIFY(list.summaries().isEmpty());
    QVERIFY(list.lines.isEmpty());
}

void SummaryLineTest::skipsEmptyLinesAndKeepsLineNumbers()
{
    TrainList list;
    decodeTrainList(document(kVrbinov, "Plavy", {kBothPassing, "", kPlain, "", "", "short"}), list);
    QCOMPARE(list.summaries(),
             QStringList({"R 1142 - Hutky - 07:58pr - 08:03 - 3.kol - Radlická - průjezd - 08:12 - posila",
                          "Os 734 - Plavy - 08:10 - 08:15 - 1.kol - Hutky - 08:16 - 08:25", "short"}));
    QCOMPARE(list.lines, QList<int>({31, 33, 36}));
}

void SummaryLineTest::stopsAtABadNumberKeepingEarlierItems()
{
    const QString bad = record(u"18", u"12a45", u"1081008150500", u"1", u"1", u"2081608250900");
    TrainList list;
    try {
        decodeTrainList(document(kHutky, "", {kPlain, "", bad, kOriginating}), list);
        QFAIL("a letter in the train number was listed");
    } catch (const Failure &failure) {
        QCOMPARE(failure.description(), QStringLiteral("Řádek 33: „12a45“ není číslo vlaku."));
    }
    QCOMPARE(list.summaries(),
             QStringList{"Os 734 - Zálesí - 08:10 - 08:15 - 1.kol - Vrbinov - 08:16 - 08:25"});
    QCOMPARE(list.lines, QList<int>{31});
}

void SummaryLineTest::replacesAnEarlierList()
{
    TrainList list;
    decodeTrainList(document(kHutky, "", {kPlain, kOriginating}), list);
    QCOMPARE(list.summaries().size(), 2);
    decodeTrainList(document("", "", {kOriginating}), list);
    QCOMPARE(list.summaries(), QStringList{"Os 734 - ( výchozí ) - 1.kol - 06:05 - 06:17"});
    QCOMPARE(list.lines, QList<int>{31});
}

QTEST_GUILESS_MAIN(SummaryLineTest)
#include "tst_summary_line.moc"
