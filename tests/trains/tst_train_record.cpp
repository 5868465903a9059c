#include "document/simulator_catalogue.h"
#include "trains/decoded_record.h"
#include "trains/station_table.h"
#include "trains/train_record.h"
#include "trains/train_types.h"

#include <QTest>

using namespace tgx;

namespace {

const QStringList kNoVehicles(kVehicleCount, QStringLiteral("000"));

RunEntry run(int code, int departureHour, int departureMinute, int arrivalHour, int arrivalMinute)
{
    return {false, code, departureHour, departureMinute, arrivalHour, arrivalMinute};
}

RunEntry ownStationEnd()
{
    RunEntry entry;
    entry.ownStationEnd = true;
    return entry;
}

// Os 4521 in a "Zelto ŽST Hutky" timetable: from "Česká Zálesí" 7:05 to 7:12,
// track 1, on at 7:13 to "Vrbinov" 7:40, vehicles 012 and 013.
TrainEntry hutkyTrain()
{
    const int hutky = simulatorIndex(u"Zelto ŽST Hutky");
    TrainEntry entry;
    entry.typeIndex = int(trainTypes().indexOf(u"Os"));
    entry.number = QStringLiteral("4521");
    entry.arrival = run(neighbourCode(hutky, u"Česká Zálesí", u"").value_or(-1), 7, 5, 7, 12);
    entry.track = QStringLiteral("1");
    entry.departure = run(neighbourCode(hutky, u"Vrbinov", u"").value_or(-1), 7, 13, 7, 40);
    std::copy(kNoVehicles.begin(), kNoVehicles.end(), entry.vehicles.begin());
    entry.vehicles[0] = QStringLiteral("012");
    entry.vehicles[1] = QStringLiteral("013");
    return entry;
}

QString text(QStringView record, RecordField field)
{
    const FieldValue read(record, field);
    return read.onLine() ? read.text().toString() : QStringLiteral("<none>");
}

RunEntry readRun(QStringView record, const BlockFields &block)
{
    if (FieldValue(record, block.code).number() == kOwnStationCode)
        return ownStationEnd();
    const auto number = [record](RecordField field) { return FieldValue(record, field).number().value_or(-1); };
    return run(number(block.code), number(block.departureHour), number(block.departureMinute),
               number(block.arrivalHour), number(block.arrivalMinute));
}

// What the edit command loads from a record, field by field.
TrainEntry readBack(QStringView record)
{
    TrainEntry entry;
    entry.typeIndex = DecodedRecord(record).typeIndex();
    entry.number = QString::number(FieldValue(record, Field::Number).number().value_or(-1));
    entry.arrival = readRun(record, kArrivalBlock);
    entry.track = text(record, Field::Track);
    const QChar passage = text(record, Field::Passage).front();
    entry.passesNeighbour = passesNeighbour(passage);
    entry.passesOwnStation = passesOwnStation(passage);
    entry.departure = readRun(record, kDepartureBlock);
    for (int i = 0; i < kVehicleCount; ++i)
        entry.vehicles[i] = text(record, vehicleField(i));
    entry.note = recordNote(record).toString();
    return entry;
}

} // namespace

class TrainRecordTest : public QObject {
    Q_OBJECT

private slots:
    void composesTheHutkyTrain();
    void countsRunningTimeFromMinutes_data();
    void countsRunningTimeFromMinutes();
    void fillsNumbersAndHours_data();
    void fillsNumbersAndHours();
    void writesOriginatingTrainsAsZeros();
    void writesTerminatingTrainsAsZeros();
    void writesPassageCodes_data();
    void writesPassageCodes();
    void appendsTheNote_data();
    void appendsTheNote();
    void writesTrackZeroWhenNoneIsOffered();
    void readsBackWhatItComposed_data();
    void readsBackWhatItComposed();
};

void TrainRecordTest::composesTheHutkyTrain()
{
    QCOMPARE(composeRecord(hutkyTrain()),
             QStringLiteral("1804521107050712070011207130740270000012013000000000000000000000000"));
}

void TrainRecordTest::countsRunningTimeFromMinutes_data()
{
    QTest::addColumn<int>("departure");
    QTest::addColumn<int>("arrival");
    QTest::addColumn<int>("minutes");

    QTest::newRow("55 to 05") << 55 << 5 << 10;
    QTest::newRow("same minute") << 30 << 30 << 60;
    QTest::newRow("10:05 to 11:20") << 5 << 20 << 15;
    QTest::newRow("one minute") << 0 << 1 << 1;
    QTest::newRow("across the hour by one") << 59 << 0 << 1;
    QTest::newRow("whole hour from zero") << 0 << 0 << 60;
}

void TrainRecordTest::countsRunningTimeFromMinutes()
{
    QFETCH(int, departure);
    QFETCH(int, arrival);
    QFETCH(int, minutes);

    QCOMPARE(runningTime(departure, arrival), minutes);

    TrainEntry entry = hutkyTrain();
    entry.arrival = run(1, 10, departure, 11, arrival);
    entry.departure = run(2, 10, departure, 11, arrival);
    const QString record = composeRecord(entry);
    const QString expected = QString::number(minutes).rightJustified(2, u'0');
    QCOMPARE(text(record, kArrivalBlock.runningTime), expected);
    QCOMPARE(text(record, kDepartureBlock.runningTime), expected);
    QCOMPARE(record.size(), kBodyLength);
}

void TrainRecordTest::fillsNumbersAndHours_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("stored");

    QTest::newRow("one digit") << "7" << "00007";
    QTest::newRow("two digits") << "12" << "00012";
    QTest::newRow("five digits") << "12345" << "12345";
    QTest::newRow("leading zeros kept") << "00734" << "00734";
}

void TrainRecordTest::fillsNumbersAndHours()
{
    QFETCH(QString, number);
    QFETCH(QString, stored);

    TrainEntry entry = hutkyTrain();
    entry.number = number;
    entry.arrival = run(1, 7, 0, 9, 59);
    entry.departure = run(2, 0, 1, 23, 2);
    const QString record = composeRecord(entry);
    QCOMPARE(text(record, Field::Number), stored);
    QCOMPARE(text(record, kArrivalBlock.departureHour), QStringLiteral("07"));
    QCOMPARE(text(record, kArrivalBlock.arrivalHour), QStringLiteral("09"));
    QCOMPARE(text(record, kDepartureBlock.departureHour), QStringLiteral("00"));
    QCOMPARE(text(record, kDepartureBlock.departureMinute), QStringLiteral("01"));
    QCOMPARE(text(record, kDepartureBlock.arrivalHour), QStringLiteral("23"));
    QCOMPARE(record.size(), kBodyLength);
}

void TrainRecordTest::writesOriginatingTrainsAsZeros()
{
    TrainEntry entry = hutkyTrain();
    entry.arrival = ownStationEnd();
    const QString record = composeRecord(entry);
    QCOMPARE(record.size(), kBodyLength);
    QCOMPARE(record.mid(7, 13), QStringLiteral("0000000000000"));
    QCOMPARE(text(record, Field::Track), QStringLiteral("1"));
    QCOMPARE(text(record, Field::Passage), QStringLiteral("1"));
    QCOMPARE(record.mid(22, 13), QStringLiteral("2071307402700"));
}

void TrainRecordTest::writesTerminatingTrainsAsZeros()
{
    TrainEntry entry = hutkyTrain();
    entry.departure = ownStationEnd();
    entry.passesNeighbour = true;
    const QString record = composeRecord(entry);
    QCOMPARE(record.size(), kBodyLength);
    QCOMPARE(record.mid(7, 13), QStringLiteral("1070507120700"));
    QCOMPARE(text(record, Field::Passage), QStringLiteral("3"));
    QCOMPARE(record.mid(22, 15), QStringLiteral("000000000000000"));
    QCOMPARE(text(record, vehicleField(0)), QStringLiteral("012"));
}

void TrainRecordTest::writesPassageCodes_data()
{
    QTest::addColumn<bool>("passesNeighbour");
    QTest::addColumn<bool>("passesOwnStation");
    QTest::addColumn<QString>("code");

    QTest::newRow("stops everywhere") << false << false << "1";
    QTest::newRow("passes the own station") << false << true << "2";
    QTest::newRow("passes the neighbour") << true << false << "3";
    QTest::newRow("passes both") << true << true << "4";
}

void TrainRecordTest::writesPassageCodes()
{
    QFETCH(bool, passesNeighbour);
    QFETCH(bool, passesOwnStation);
    QFETCH(QString, code);

    TrainEntry entry = hutkyTrain();
    entry.passesNeighbour = passesNeighbour;
    entry.passesOwnStation = passesOwnStation;
    const QString record = composeRecord(entry);
    QCOMPARE(text(record, Field::Passage), code);
    QCOMPARE(tgx::passesNeighbour(code.front()), passesNeighbour);
    QCOMPARE(tgx::passesOwnStation(code.front()), passesOwnStation);
}

void TrainRecordTest::appendsTheNote_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("stored");

    QTest::newRow("none") << "" << "";
    QTest::newRow("twelve characters") << "posila Kobar" << "posila Kobar";
    QTest::newRow("one blank") << " " << " ";
    QTest::newRow("line feed") << "a\nb" << "a b";
    QTest::newRow("carriage return and line feed") << "a\r\nb" << "a  b";
    QTest::newRow("paragraph separator") << QStringLiteral("a\u2029b") << "a b";
}

void TrainRecordTest::appendsTheNote()
{
    QFETCH(QString, note);
    QFETCH(QString, stored);

    TrainEntry entry = hutkyTrain();
    entry.note = note;
    const QString record = composeRecord(entry);
    QCOMPARE(record.size(), kBodyLength + stored.size());
    QCOMPARE(recordNote(record).toString(), stored);
    QCOMPARE(text(record, vehicleField(kVehicleCount - 1)), QStringLiteral("000"));
}

void TrainRecordTest::writesTrackZeroWhenNoneIsOffered()
{
    TrainEntry entry = hutkyTrain();
    entry.track.clear();
    const QString record = composeRecord(entry);
    QCOMPARE(record.size(), kBodyLength);
    QCOMPARE(text(record, Field::Track), QString(kNoTrack));
    QCOMPARE(text(record, Field::Passage), QStringLiteral("1"));
}

void TrainRecordTest::readsBackWhatItComposed_data()
{
    QTest::addColumn<QString>("simulator");
    QTest::addColumn<QString>("specified");
    QTest::addColumn<QString>("from"); // empty: originating
    QTest::addColumn<QString>("to");   // empty: terminating
    QTest::addColumn<QString>("track");
    QTest::addColumn<int>("passage");  // 1-4
    QTest::addColumn<QString>("note");

    QTest::newRow("Vrbinov") << "Zelto ŽST Vrbinov" << "Plavy" << "Plavy" << "Radlická" << "0" << 4 << "posila";
    QTest::newRow("Dolanov") << "Zelto ŽST Dolanov" << "Česká Zálesí" << "vlečka Kobar" << "Loučkovice"
                             << "3" << 3 << "";
    QTest::newRow("Zálesí originating") << "Zelto ŽST Zálesí" << "Loučkovice" << "" << "vlečka Cihelna"
                                        << "4" << 1 << " ";
    QTest::newRow("Hutky terminating") << "Zelto ŽST Hutky" << "" << "Vrbinov" << "" << "2" << 3 << "Kobar";
    QTest::newRow("Olšanov") << "Zelto ŽST Olšanov" << "" << "Obora - Mrázov" << "Dolanov n.Ok." << "1" << 2
                             << "";
    QTest::newRow("Skalín") << "Zelto Dl. Skalín" << "" << "Tovačov východ" << "Dolanov n.Ok." << "" << 1
                            << "bez koleje";
}

void TrainRecordTest::readsBackWhatItComposed()
{
    QFETCH(QString, simulator);
    QFETCH(QString, specified);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, track);
    QFETCH(int, passage);
    QFETCH(QString, note);

    const int index = simulatorIndex(simulator);
    QVERIFY(index >= 0);
    TrainEntry entry;
    entry.typeIndex = 16;
    entry.number = QStringLiteral("734");
    const auto code = [&](const QString &station) { return neighbourCode(index, station, specified).value_or(-1); };
    entry.arrival = from.isEmpty() ? ownStationEnd() : run(code(from), 23, 58, 0, 3);
    entry.track = track;
    entry.passesNeighbour = passage >= 3;
    entry.passesOwnStation = passage % 2 == 0;
    entry.departure = to.isEmpty() ? ownStationEnd() : run(code(to), 0, 3, 1, 3);
    for (int i = 0; i < kVehicleCount; ++i)
        entry.vehicles[i] = QString::number(101 + i);
    entry.note = note;

    const QString record = composeRecord(entry);
    QCOMPARE(record.size(), kBodyLength + note.size());
    const TrainEntry read = readBack(record);
    QCOMPARE(read.arrival.ownStationEnd, from.isEmpty());
    QCOMPARE(read.departure.ownStationEnd, to.isEmpty());
    QCOMPARE(read.track, track.isEmpty() ? QString(kNoTrack) : track);
    QCOMPARE(read.vehicles, entry.vehicles);
    QCOMPARE(read.note, note);
    // Every other field read back composes the same line again.
    QCOMPARE(composeRecord(read), record);
}

QTEST_GUILESS_MAIN(TrainRecordTest)
#include "tst_train_record.moc"
