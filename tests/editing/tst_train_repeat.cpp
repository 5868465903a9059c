#include "document/failure.h"
#include "editing/train_repeat.h"
#include "record_parts.h"

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

QStringList numbersOf(const QStringList &records)
{
    QStringList numbers;
    for (const QString &record : records)
        numbers << record.mid(2, 5);
    return numbers;
}

} // namespace

// Repeating a train record: times moved round the clock, numbers stepped.
class TrainRepeatTest : public QObject {
    Q_OBJECT

private slots:
    void copiesMoveTimesAndNumbers_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<RepeatSettings>("settings");
        QTest::addColumn<QStringList>("copies");

        // 23:00-23:30 in, 23:31-00:02 out: the copies cross midnight at different places.
        QTest::newRow("across midnight, both blocks")
            << trainRecord(u"04521", u"1230023303000", u"2233100023100", u"Pozor 23:00")
            << RepeatSettings{2, 30, 2}
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
        QTest::newRow("the timetable fields alone")
            << kExample.left(31) << RepeatSettings{1, 5, 1}
            << QStringList{QStringLiteral("1804522107100717070011207180745")};
        QTest::newRow("a train starting and ending here keeps its times")
            << trainRecord(u"00019", kOriginates, kTerminates) << RepeatSettings{1, 60, 1}
            << QStringList{trainRecord(u"00020", kOriginates, kTerminates)};
    }

    void copiesMoveTimesAndNumbers()
    {
        QFETCH(QString, record);
        QFETCH(RepeatSettings, settings);
        QFETCH(QStringList, copies);

        const RepeatedTrains repeated = repeatTrain(record, settings);
        QVERIFY(!repeated.numberOutOfRange);
        QCOMPARE(repeated.copies, copies);
    }

    void numbersStayWithinFiveDigits_data()
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
        QTest::newRow("only the last copy over") << "99900" << 99 << 2 << QStringList{};
        QTest::newRow("unchanged number") << "99999" << 2 << 0 << QStringList{"99999", "99999"};
    }

    void numbersStayWithinFiveDigits()
    {
        QFETCH(QString, number);
        QFETCH(int, count);
        QFETCH(int, step);
        QFETCH(QStringList, numbers);

        const RepeatedTrains repeated = repeatTrain(withText(kExample, 3, number), {count, 60, step});
        QCOMPARE(repeated.numberOutOfRange, numbers.isEmpty());
        QCOMPARE(numbersOf(repeated.copies), numbers);
    }

    void recordsThatCannotBeRepeatedSayWhy_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("description");

        const QString prefix = QStringLiteral("Záznam vlaku nelze opakovat: ");
        QTest::newRow("30 characters") << kExample.left(30) << prefix + "záznam má jen 30 znaků.";
        QTest::newRow("empty") << QString() << prefix + "záznam má jen 0 znaků.";
        QTest::newRow("letter as a neighbour code") << withText(kExample, 23, "x")
                                                    << prefix + "„x“ na pozici 23 není kód sousední stanice.";
        QTest::newRow("letter in the number") << withText(kExample, 3, "4521A")
                                              << prefix + "„4521A“ na pozicích 3–7 není číslo vlaku.";
        QTest::newRow("blank in the number") << withText(kExample, 3, " 4521")
                                             << prefix + "„ 4521“ na pozicích 3–7 není číslo vlaku.";
        QTest::newRow("arrival here") << withText(kExample, 13, "2561") << prefix + "„25:61“ na pozicích 13–16 není čas.";
        QTest::newRow("departure there") << withText(kExample, 9, "0a05") << prefix + "„0a:05“ na pozicích 9–12 není čas.";
        QTest::newRow("departure here") << withText(kExample, 24, "1260") << prefix + "„12:60“ na pozicích 24–27 není čas.";
        QTest::newRow("arrival there") << withText(kExample, 28, "2400") << prefix + "„24:00“ na pozicích 28–31 není čas.";
        QTest::newRow("terminating, bad arrival")
            << withText(withText(kExample, 23, kTerminates), 15, "7 ") << prefix + "„07:7 “ na pozicích 13–16 není čas.";
    }

    void recordsThatCannotBeRepeatedSayWhy()
    {
        QFETCH(QString, record);
        QFETCH(QString, description);

        try {
            repeatTrain(record, RepeatSettings{});
            QFAIL("the record was repeated");
        } catch (const Failure &failure) {
            QCOMPARE(failure.description(), description);
        }
    }
};

QTEST_GUILESS_MAIN(TrainRepeatTest)
#include "tst_train_repeat.moc"
