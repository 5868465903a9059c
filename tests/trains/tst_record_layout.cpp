#include "document/failure.h"
#include "trains/decoded_record.h"

#include <QTest>

Q_DECLARE_METATYPE(tgx::RecordField)

using namespace tgx;

namespace {

// The Hutky example record: Os 4521, from code 1 at 7:05-7:12, track 1, to code 2 at 7:13-7:40.
const QString kRecord = QStringLiteral("1804521107050712070011207130740270000012013000000000000000000000000");

bool failsWithConversionError(QStringView record, RecordField field)
{
    try {
        FieldValue(record, field).number();
    } catch (const Failure &failure) {
        return failure.description() == kConversionError;
    }
    return false;
}

} // namespace

class RecordLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void readsFieldsOfAFullRecord_data();
    void readsFieldsOfAFullRecord();
    void givesNothingForFieldsBeyondTheLine_data();
    void givesNothingForFieldsBeyondTheLine();
    void failsOnNonDecimalNumbers_data();
    void failsOnNonDecimalNumbers();
    void readsTheTypeIndex_data();
    void readsTheTypeIndex();
    void readsTheNote_data();
    void readsTheNote();
};

void RecordLayoutTest::readsFieldsOfAFullRecord_data()
{
    QTest::addColumn<RecordField>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");

    QTest::newRow("type") << Field::Type << "18" << 18;
    QTest::newRow("number") << Field::Number << "04521" << 4521;
    QTest::newRow("arrival code") << kArrivalBlock.code << "1" << 1;
    QTest::newRow("arrival departure minute") << kArrivalBlock.departureMinute << "05" << 5;
    QTest::newRow("arrival minute") << kArrivalBlock.arrivalMinute << "12" << 12;
    QTest::newRow("arrival running time") << kArrivalBlock.runningTime << "07" << 7;
    QTest::newRow("track") << Field::Track << "1" << 1;
    QTest::newRow("passage") << Field::Passage << "1" << 1;
    QTest::newRow("departure code") << kDepartureBlock.code << "2" << 2;
    QTest::newRow("departure hour") << kDepartureBlock.departureHour << "07" << 7;
    QTest::newRow("departure arrival minute") << kDepartureBlock.arrivalMinute << "40" << 40;
    QTest::newRow("departure running time") << kDepartureBlock.runningTime << "27" << 27;
    QTest::newRow("first vehicle") << vehicleField(0) << "012" << 12;
    QTest::newRow("second vehicle") << vehicleField(1) << "013" << 13;
    QTest::newRow("last vehicle") << vehicleField(kVehicleCount - 1) << "000" << 0;
}

void RecordLayoutTest::readsFieldsOfAFullRecord()
{
    QFETCH(RecordField, field);
    QFETCH(QString, text);
    QFETCH(int, number);

    const FieldValue read(kRecord, field);
    QVERIFY(read.onLine());
    QCOMPARE(read.text().toString(), text);
    QCOMPARE(read.number(), std::optional<int>(number));
}

void RecordLayoutTest::givesNothingForFieldsBeyondTheLine_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<RecordField>("field");

    QTest::newRow("empty line") << QString() << Field::Type;
    QTest::newRow("half a type") << "1" << Field::Type;
    QTest::newRow("number cut short") << "180452" << Field::Number;
    QTest::newRow("non-digits cut short") << "18ab" << Field::Number;
    QTest::newRow("arrival minute cut short") << kRecord.left(15) << kArrivalBlock.arrivalMinute;
    QTest::newRow("passage beyond the line") << kRecord.left(21) << Field::Passage;
    QTest::newRow("departure arrival cut short") << kRecord.left(30) << kDepartureBlock.arrivalMinute;
    QTest::newRow("last vehicle cut short") << kRecord.left(66) << vehicleField(kVehicleCount - 1);
}

void RecordLayoutTest::givesNothingForFieldsBeyondTheLine()
{
    QFETCH(QString, record);
    QFETCH(RecordField, field);

    const FieldValue read(record, field);
    QVERIFY(!read.onLine());
    QVERIFY(!read.number());
}

void RecordLayoutTest::failsOnNonDecimalNumbers_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<RecordField>("field");

    QString letterInNumber = kRecord;
    letterInNumber.replace(2, 5, QStringLiteral("12a45"));
    QString blankInNumber = kRecord;
    blankInNumber.replace(2, 5, QStringLiteral(" 4521"));
    QString letterAsCode = kRecord;
    letterAsCode[7] = u'x';
    QString signedHour = kRecord;
    signedHour.replace(23, 2, QStringLiteral("-7"));

    QTest::newRow("letter in the number") << letterInNumber << Field::Number;
    QTest::newRow("blank in the number") << blankInNumber << Field::Number;
    QTest::newRow("letter as neighbour code") << letterAsCode << kArrivalBlock.code;
    QTest::newRow("signed hour") << signedHour << kDepartureBlock.departureHour;
    QTest::newRow("short line, complete field") << QStringLiteral("1800x21") << Field::Number;
}

void RecordLayoutTest::failsOnNonDecimalNumbers()
{
    QFETCH(QString, record);
    QFETCH(RecordField, field);

    QVERIFY(failsWithConversionError(record, field));
}

void RecordLayoutTest::readsTheTypeIndex_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<int>("index"); // -1: none

    QTest::newRow("SC") << "1000001" << 0;
    QTest::newRow("Os") << kRecord << 8;
    QTest::newRow("Lv") << "28" << 18;
    QTest::newRow("below the table") << "09" << -1;
    QTest::newRow("above the table") << "29" << -1;
    QTest::newRow("letter") << "x8" << -1;
    QTest::newRow("blank") << " 8" << -1;
    QTest::newRow("one character") << "1" << -1;
}

void RecordLayoutTest::readsTheTypeIndex()
{
    QFETCH(QString, record);
    QFETCH(int, index);

    QCOMPARE(DecodedRecord(record).typeIndex(), index);
}

void RecordLayoutTest::readsTheNote_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("note");

    QTest::newRow("short line") << "18045" << "";
    QTest::newRow("67 characters") << kRecord << "";
    QTest::newRow("one blank") << kRecord + u' ' << " ";
    QTest::newRow("text with dashes") << kRecord + QStringLiteral("posila - Kobar") << "posila - Kobar";
}

void RecordLayoutTest::readsTheNote()
{
    QFETCH(QString, record);
    QFETCH(QString, note);

    QCOMPARE(recordNote(record).toString(), note);
}

QTEST_GUILESS_MAIN(RecordLayoutTest)
#include "tst_record_layout.moc"
