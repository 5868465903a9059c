#include "document/failure.h"
#include "trains/decoded_record.h"

#include <QTest>

using namespace tgx;

namespace {

// The Hutky example record: Os 4521, from code 1 at 7:05-7:12, track 1, to code 2 at 7:13-7:40.
const QString kRecord = QStringLiteral("1804521107050712070011207130740270000012013000000000000000000000000");

QString withText(QString record, int position, const QString &text)
{
    return record.replace(position - 1, text.size(), text);
}

} // namespace

// The decoded record: what every reader of records gets from a line.
class DecodedRecordTest : public QObject {
    Q_OBJECT

private slots:
    void readsTimesOfDay_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<int>("arrivalDeparture"); // arrival block, departure at the neighbour; -1: none
        QTest::addColumn<int>("ownArrival");       // arrival block, arrival here
        QTest::addColumn<int>("ownDeparture");     // departure block, departure from here

        QTest::newRow("example") << kRecord << 7 * 60 + 5 << 7 * 60 + 12 << 7 * 60 + 13;
        QTest::newRow("last minute of the day") << withText(kRecord, 13, "2359") << 425 << 1439 << 433;
        QTest::newRow("midnight") << withText(kRecord, 24, "0000") << 425 << 432 << 0;
        QTest::newRow("hour 24") << withText(kRecord, 13, "2400") << 425 << -1 << 433;
        QTest::newRow("minute 60") << withText(kRecord, 26, "60") << 425 << 432 << -1;
        QTest::newRow("letter in an hour") << withText(kRecord, 9, "0a") << -1 << 432 << 433;
        QTest::newRow("blank in a minute") << withText(kRecord, 15, " 2") << 425 << -1 << 433;
        QTest::newRow("cut inside the arrival") << kRecord.left(15) << 425 << -1 << -1;
    }

    void readsTimesOfDay()
    {
        QFETCH(QString, record);
        QFETCH(int, arrivalDeparture);
        QFETCH(int, ownArrival);
        QFETCH(int, ownDeparture);

        const DecodedRecord decoded(record);
        const auto expected = [](int minutes) { return minutes < 0 ? std::nullopt : std::optional<int>(minutes); };
        QCOMPARE(decoded.arrival.departureTime(), expected(arrivalDeparture));
        QCOMPARE(decoded.arrival.arrivalTime(), expected(ownArrival));
        QCOMPARE(decoded.departure.departureTime(), expected(ownDeparture));
    }

    void readsTheFixedFields_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("fields"); // type index, originates, terminates, passes neighbour, passes here, complete

        QTest::newRow("example") << kRecord << "8 - - - - complete";
        QTest::newRow("originating") << withText(kRecord, 8, "0000000000000") << "8 originates - - - complete";
        QTest::newRow("terminating passing its neighbour")
            << withText(withText(kRecord, 23, "0000000000000"), 22, "3") << "8 - terminates passes - complete";
        QTest::newRow("passing both") << withText(kRecord, 22, "4") << "8 - - passes passes complete";
        QTest::newRow("unknown type, 31 characters") << withText(kRecord, 1, "99").left(31) << "-1 - - - - complete";
        QTest::newRow("30 characters") << kRecord.left(30) << "8 - - - - short";
        QTest::newRow("code only") << QStringLiteral("2") << "-1 - - - - short";
    }

    void readsTheFixedFields()
    {
        QFETCH(QString, record);
        QFETCH(QString, fields);

        const DecodedRecord decoded(record);
        const QString read = QStringLiteral("%1 %2 %3 %4 %5 %6")
                                 .arg(decoded.typeIndex())
                                 .arg(decoded.arrival.startsOrEndsHere() ? "originates" : "-")
                                 .arg(decoded.departure.startsOrEndsHere() ? "terminates" : "-")
                                 .arg(decoded.passesNeighbour() ? "passes" : "-")
                                 .arg(decoded.passesOwnStation() ? "passes" : "-")
                                 .arg(decoded.holdsTimetable() ? "complete" : "short");
        QCOMPARE(read, fields);
    }

    void numbersFailOnlyWhereTheLineHoldsNonDigits()
    {
        const DecodedRecord letters(withText(kRecord, 3, "45x21"));
        QVERIFY(letters.number.onLine());
        QVERIFY(!letters.number.isNumber());
        try {
            letters.number.number();
            QFAIL("a train number with a letter was read");
        } catch (const Failure &failure) {
            QCOMPARE(failure.description(), kConversionError);
        }
        const DecodedRecord cut(QStringLiteral("18045"));
        QVERIFY(!cut.number.onLine());
        QCOMPARE(cut.number.number(), std::nullopt);
        QCOMPARE(cut.vehicle(0).text(), QStringView());
        QCOMPARE(DecodedRecord(kRecord).vehicle(1).number(), std::optional<int>(13));
    }

    void writesClockTimes()
    {
        QCOMPARE((QStringList{clockText(0), clockText(7 * 60 + 5), clockText(1439)}), (QStringList{"00:00", "07:05", "23:59"}));
    }
};

QTEST_GUILESS_MAIN(DecodedRecordTest)
#include "tst_decoded_record.moc"
