#include "document/document_lines.h"
#include "document/failure.h"
#include "document/header_lines.h"
#include "editing/train_find.h"
#include "editing/train_repeat.h"
#include "editing/train_sort.h"
#include "record_parts.h"

#include <QMap>
#include <QTest>

using namespace tgx;
using namespace tgx::test;

Q_DECLARE_METATYPE(tgx::RepeatSettings)

namespace {

// The Hutky example: Os 4521, 7:05-7:12 from code 1, track 1, 7:13-7:40 to code 2.
const QString kExample = QStringLiteral("1804521107050712070011207130740270000012013000000000000000000000000");

QString withText(QString record, int position, const QString &text)
{
    return record.replace(position - 1, text.size(), text);
}

// Lines named by what sorting sees in them: the time in the own station.
const QMap<QString, QString> kLines = {
    {"a07:00", trainRecord(u"00001", u"1065007001000", u"2070507302500")},
    {"b07:00", trainRecord(u"00002", u"2064507001500", u"1071007150500")},
    {"c06:00", trainRecord(u"00003", u"1055006001000", u"2060506302500")},
    {"mid00:00", trainRecord(u"00004", u"1235000001000", u"2000500302500")},
    {"o06:30", trainRecord(u"00005", kOriginates, u"2063007003000")},
    {"o07:00", trainRecord(u"00006", kOriginates, u"1070007202000")},
    {"t08:00", trainRecord(u"00007", u"1074008002000", kTerminates)},
    {"passes07:00", trainRecord(u"00008", u"1065007001000", u"2070007303000").replace(21, 1, u'4')},
    {"both zero", trainRecord(u"00009", kOriginates, kTerminates)},
    {"bad arrival", trainRecord(u"00010", u"1065025611000", u"2070507302500")},
    {"bad departure, originating", trainRecord(u"00011", kOriginates, u"2076007302500")},
    {"short", QStringLiteral("1800012106500700")},
    {"blank", QStringLiteral(" ")},
    {"empty", QString()},
};

// The document: a header whose lines look like records with early times,
// which sorting must not touch, and the named lines.
QStringList document(const QStringList &names)
{
    QStringList lines(HeaderLine::Count);
    lines[1] = QStringLiteral("Zelto ŽST Hutky");
    lines[29] = kLines["mid00:00"];
    for (const QString &name : names)
        lines << kLines.value(name, QStringLiteral("<unknown %1>").arg(name));
    return lines;
}

// Summary lines as the train list shows them.
const QStringList kSummaries = {
    QStringLiteral("Os 4521 - Zálesí - 07:05 - 07:12 - 1.kol - Vrbinov - 07:13 - 07:40"),
    QStringLiteral("R 700 - ( výchozí ) - 2.kol - Vrbinov - 08:00 - 08:20"),
    QStringLiteral("Os 4523 - Zálesí - 09:05 - 09:12 - 1.kol - ( končící ) - Pozor"),
    QStringLiteral("Lv 45 - Vrbinov - 10:00 - 10:20 - 0.kol - Zálesí - průjezd - 10:45"),
};

} // namespace

// Repeating a train (times moved round the clock, numbers stepped), sorting
// the train lines by their time in the own station and finding a train in the
// summary lines of the list.
class TrainEditingTest : public QObject {
    Q_OBJECT

private slots:
    void repeatingMovesTimesAndNumbers_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<RepeatSettings>("settings");
        QTest::addColumn<QStringList>("copies");

        // 23:00-23:30 in, 23:31-00:02 out: the copies cross midnight at different places.
        QTest::newRow("across midnight, both blocks")
            << trainRecord(u"04521", u"1230023303000", u"2233100023100", u"Pozor 23:00") << RepeatSettings{2, 30, 2}
            << QStringList{trainRecord(u"04523", u"1233000003000", u"2000100323100", u"Pozor 23:00"),
                           trainRecord(u"04525", u"1000000303000", u"2003101023100", u"Pozor 23:00")};
        QTest::newRow("originating, number going down")
            << trainRecord(u"00010", kOriginates, u"3071507453000") << RepeatSettings{3, 60, -2}
            << QStringList{trainRecord(u"00008", kOriginates, u"3081508453000"),
                           trainRecord(u"00006", kOriginates, u"3091509453000"),
                           trainRecord(u"00004", kOriginates, u"3101510453000")};
        QTest::newRow("terminating, the longest interval is a minute back")
            << trainRecord(u"00000", u"2222022452500", kTerminates) << RepeatSettings{1, 1439, 9999}
            << QStringList{trainRecord(u"09999", u"2221922442500", kTerminates)};
        QTest::newRow("twelve hours twice is the same time")
            << kExample << RepeatSettings{2, 720, 100}
            << QStringList{QStringLiteral("1804621119051912070011219131940270000012013000000000000000000000000"),
                           QStringLiteral("1804721107050712070011207130740270000012013000000000000000000000000")};
        QTest::newRow("the timetable fields alone") << kExample.left(31) << RepeatSettings{1, 5, 1}
                                                    << QStringList{QStringLiteral("1804522107100717070011207180745")};
    }

    void repeatingMovesTimesAndNumbers()
    {
        QFETCH(QString, record);
        QFETCH(RepeatSettings, settings);
        QFETCH(QStringList, copies);

        const RepeatedTrains repeated = repeatTrain(record, settings);
        QVERIFY(!repeated.numberOutOfRange);
        QCOMPARE(repeated.copies, copies);
    }

    // Both ends of 0 to 99999, for the first copy and for the last.
    void repeatedNumbersStayWithinFiveDigits_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("numbers"); // empty: refused

        QTest::newRow("down to 0") << "00001" << 1 << -1 << QStringList{"00000"};
        QTest::newRow("down to -1") << "00001" << 1 << -2 << QStringList{};
        QTest::newRow("up to 99999") << "99997" << 1 << 2 << QStringList{"99999"};
        QTest::newRow("up to 100000") << "99998" << 1 << 2 << QStringList{};
        QTest::newRow("last copy at 0") << "00003" << 3 << -1 << QStringList{"00002", "00001", "00000"};
        QTest::newRow("only the last copy out") << "00003" << 4 << -1 << QStringList{};
    }

    void repeatedNumbersStayWithinFiveDigits()
    {
        QFETCH(QString, number);
        QFETCH(int, count);
        QFETCH(int, step);
        QFETCH(QStringList, numbers);

        const RepeatedTrains repeated = repeatTrain(withText(kExample, 3, number), {count, 60, step});
        QCOMPARE(repeated.numberOutOfRange, numbers.isEmpty());
        QStringList copied;
        for (const QString &copy : repeated.copies)
            copied << copy.mid(2, 5);
        QCOMPARE(copied, numbers);
    }

    // The reasons themselves are the timetable checks' (tst_occupancy_findings);
    // here: a repeat asks for them, whichever part of the record is wrong.
    void recordsThatCannotBeRepeatedSayWhy_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("reason");

        QTest::newRow("empty") << QString() << "záznam má jen 0 znaků.";
        QTest::newRow("letter in the number") << withText(kExample, 3, "4521A") << "„4521A“ na pozicích 3–7 není číslo vlaku.";
        QTest::newRow("terminating, bad arrival")
            << withText(withText(kExample, 23, kTerminates), 15, "7 ") << "„07:7 “ na pozicích 13–16 není čas.";
    }

    void recordsThatCannotBeRepeatedSayWhy()
    {
        QFETCH(QString, record);
        QFETCH(QString, reason);

        try {
            repeatTrain(record, RepeatSettings{});
            QFAIL("the record was repeated");
        } catch (const Failure &failure) {
            QCOMPARE(failure.description(), "Záznam vlaku nelze opakovat: " + reason);
        }
    }

    void sortingOrdersByTheTimeInTheOwnStation_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QStringList>("sorted");
        QTest::addColumn<int>("moved"); // lines that change place

        QTest::newRow("by arrival, originating by departure")
            << QStringList{"a07:00", "t08:00", "o06:30", "c06:00", "mid00:00"}
            << QStringList{"mid00:00", "c06:00", "o06:30", "a07:00", "t08:00"} << 4;
        QTest::newRow("equal times keep their order")
            << QStringList{"b07:00", "o07:00", "c06:00", "a07:00", "passes07:00"}
            << QStringList{"c06:00", "b07:00", "o07:00", "a07:00", "passes07:00"} << 3;
        QTest::newRow("lines without a time go last in their order")
            << QStringList{"short", "bad arrival", "t08:00", "both zero", "blank", "c06:00", "bad departure, originating"}
            << QStringList{"c06:00", "t08:00", "short", "bad arrival", "both zero", "blank", "bad departure, originating"}
            << 6;
        QTest::newRow("empty lines keep their places, one line between stays")
            << QStringList{"empty", "a07:00", "empty", "empty", "c06:00", "t08:00", "empty", "mid00:00", "empty"}
            << QStringList{"empty", "mid00:00", "empty", "empty", "c06:00", "a07:00", "empty", "t08:00", "empty"} << 3;
        QTest::newRow("only empty lines") << QStringList{"empty", "empty"} << QStringList{"empty", "empty"} << 0;
        QTest::newRow("sorted already") << QStringList{"c06:00", "a07:00"} << QStringList{"c06:00", "a07:00"} << 0;
        QTest::newRow("no records") << QStringList{} << QStringList{} << 0;
    }

    // The lines that move are written in one change of the text, and an
    // ordered document is not changed at all.
    void sortingOrdersByTheTimeInTheOwnStation()
    {
        QFETCH(QStringList, records);
        QFETCH(QStringList, sorted);
        QFETCH(int, moved);

        StringTextBuffer buffer(document(records).join(u'\n') + u'\n');
        DocumentLines lines(buffer);
        QCOMPARE(sortTrainsByTime(lines), moved);
        QCOMPARE(buffer.changeCount(), moved > 0 ? 1 : 0);
        QCOMPARE(lines.allLines(), document(sorted));
        QVERIFY(buffer.text().endsWith(u'\n'));
    }

    void findingStartsAtTheCurrentTrainAndWraps_data()
    {
        QTest::addColumn<QStringList>("summaries");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("found");

        QTest::newRow("the current train itself") << kSummaries << "Os 45" << 2 << 2;
        QTest::newRow("past the current one") << kSummaries << "Os 45" << 1 << 2;
        QTest::newRow("round the end") << kSummaries << "Os 45" << 3 << 0;
        QTest::newRow("from past the end") << kSummaries << "R 700" << 4 << 1;
        QTest::newRow("without a current train") << kSummaries << "Pozor" << -1 << 2;
        QTest::newRow("one line finds itself again") << QStringList{"Os 1"} << "Os" << 1 << 0;
        QTest::newRow("case ignored") << kSummaries << "zálesí - 09" << 0 << 2;
        QTest::newRow("capitals with accents ignored") << kSummaries << "VÝCHOZÍ" << 0 << 1;
        QTest::newRow("accents as typed") << kSummaries << "Zalesi" << 0 << -1;
        QTest::newRow("accent where there is none") << kSummaries << "Vrbínov" << 0 << -1;
        QTest::newRow("empty text") << kSummaries << "" << 0 << -1;
        QTest::newRow("empty list") << QStringList{} << "Os" << 0 << -1;
    }

    void findingStartsAtTheCurrentTrainAndWraps()
    {
        QFETCH(QStringList, summaries);
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(int, found);

        QCOMPARE(findTrain(summaries, text, from), found);
    }
};

QTEST_GUILESS_MAIN(TrainEditingTest)
#include "tst_train_editing.moc"
