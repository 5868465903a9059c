// A train entered in the dialog with valid values, for any simulator and
// header line 7: its record must be one line, read back field by field to the
// values entered, show them in its summary line and in the train list, and
// compose again to the same record once loaded for editing (as confirming an
// edit without changes does).

#include "fuzz_support.h"

#include "document/simulator_catalogue.h"
#include "trains/decoded_record.h"
#include "trains/station_table.h"
#include "trains/summary_line.h"
#include "trains/train_record.h"
#include "trains/train_types.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace tgx;
using fuzz::require;

namespace {

// A timetable and a train entered in it.
struct Case {
    int simulator;
    QString specifiedNeighbour;
    TrainEntry entry;
};

QString digits(FuzzedDataProvider &in, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QChar(u'0' + in.ConsumeIntegralInRange(0, 9));
    return text;
}

QString someText(FuzzedDataProvider &in, size_t maxBytes)
{
    return QString::fromStdString(in.ConsumeRandomLengthString(maxBytes));
}

RunEntry run(FuzzedDataProvider &in, int neighbours, bool ownStationEnd)
{
    if (ownStationEnd)
        return RunEntry{true};
    return {false, in.ConsumeIntegralInRange(1, neighbours), in.ConsumeIntegralInRange(0, 23),
            in.ConsumeIntegralInRange(0, 59), in.ConsumeIntegralInRange(0, 23), in.ConsumeIntegralInRange(0, 59)};
}

// Header line 7: one of the simulator's options, or any text.
QString specifiedNeighbour(FuzzedDataProvider &in, int simulator)
{
    const QStringList &options = simulatorCatalogue()[simulator].stationOptions;
    const int choice = in.ConsumeIntegralInRange(0, 2);
    return choice < options.size() ? options[choice] : someText(in, 16);
}

Case makeCase(FuzzedDataProvider &in)
{
    Case c;
    c.simulator = in.ConsumeIntegralInRange(0, int(simulatorCatalogue().size()) - 1);
    c.specifiedNeighbour = specifiedNeighbour(in, c.simulator);
    TrainEntry &e = c.entry;
    e.typeIndex = in.ConsumeIntegralInRange(0, int(trainTypes().size()) - 1);
    e.number = digits(in, in.ConsumeIntegralInRange(1, 5));
    const int neighbours = int(neighbourStations(c.simulator, c.specifiedNeighbour).size());
    const int ends = in.ConsumeIntegralInRange(0, 2); // 1: originates here, 2: terminates here
    e.arrival = run(in, neighbours, ends == 1);
    e.departure = run(in, neighbours, ends == 2);
    e.passesNeighbour = ends != 1 && in.ConsumeBool();
    e.passesOwnStation = ends == 0 && in.ConsumeBool();
    if (e.passesOwnStation) { // the dialog copies the arrival into the departure
        e.departure.departureHour = e.arrival.arrivalHour;
        e.departure.departureMinute = e.arrival.arrivalMinute;
    }
    const QStringList tracks = trackList(c.simulator);
    if (!tracks.isEmpty())
        e.track = tracks[in.ConsumeIntegralInRange(0, int(tracks.size()) - 1)];
    for (QString &vehicle : e.vehicles)
        vehicle = digits(in, 3);
    e.note = someText(in, 80);
    return c;
}

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// The note as the record must hold it: a line break would split the record,
// so each becomes a blank.
QString storedNote(QString note)
{
    for (QChar &c : note) {
        if (isLineBreak(c))
            c = u' ';
    }
    return note;
}

QString trackOf(const TrainEntry &e)
{
    return e.track.isEmpty() ? QStringLiteral("0") : e.track;
}

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, u'0');
}

void requireField(QStringView record, RecordField field, const QString &expected, const char *what)
{
    const FieldValue read(record, field);
    require(read.onLine() && read.text() == expected, what);
}

void checkRun(QStringView record, const BlockFields &block, const RunEntry &run)
{
    if (run.ownStationEnd) {
        const auto whole = fuzz::positions(record, block.code.position, 13);
        require(whole == std::optional<QStringView>(u"0000000000000"), "a block of a train starting or ending here is not all zeros");
        return;
    }
    require(FieldValue(record, block.code).number() == run.neighbourCode, "the neighbour code");
    requireField(record, block.departureHour, twoDigits(run.departureHour), "the departure hour");
    requireField(record, block.departureMinute, twoDigits(run.departureMinute), "the departure minute");
    requireField(record, block.arrivalHour, twoDigits(run.arrivalHour), "the arrival hour");
    requireField(record, block.arrivalMinute, twoDigits(run.arrivalMinute), "the arrival minute");
    const int minutes = FieldValue(record, block.runningTime).number().value_or(-1);
    require(minutes >= 1 && minutes <= 60, "a running time outside 1-60");
    require((run.departureMinute + minutes) % 60 == run.arrivalMinute, "a running time that does not lead from departure to arrival");
    requireField(record, block.reserved, QStringLiteral("00"), "the block's reserved positions");
}

void checkFields(QStringView record, const TrainEntry &e)
{
    const QString note = storedNote(e.note);
    require(record.size() == kBodyLength + note.size(), "the record is not the body and the note");
    require(std::none_of(record.begin(), record.end(), isLineBreak), "the record holds a line break");
    requireField(record, Field::Type, QString::number(kFirstTypeCode + e.typeIndex), "the type code");
    require(DecodedRecord(record).typeIndex() == e.typeIndex, "the type read back");
    requireField(record, Field::Number, e.number.rightJustified(5, u'0'), "the zero-filled train number");
    require(FieldValue(record, Field::Number).number() == e.number.toInt(), "the train number read back");
    checkRun(record, kArrivalBlock, e.arrival);
    requireField(record, Field::Track, trackOf(e), "the track");
    const QChar passage = record[Field::Passage.position - 1];
    require(passesNeighbour(passage) == e.passesNeighbour, "passing the neighbour read back");
    require(passesOwnStation(passage) == e.passesOwnStation, "passing the own station read back");
    checkRun(record, kDepartureBlock, e.departure);
    requireField(record, Field::Reserved, QStringLiteral("00"), "the reserved positions");
    for (int i = 0; i < kVehicleCount; ++i)
        requireField(record, vehicleField(i), e.vehicles[i], "a vehicle");
    require(recordNote(record) == note, "the note read back");
}

QString station(const Case &c, int code)
{
    const auto name = fuzz::expectedShortName(c.simulator, QChar(u'0' + code), c.specifiedNeighbour);
    require(name.has_value(), "the dialog offers a neighbour the train list cannot name");
    return QStringLiteral(" - ") + *name;
}

QString time(int hour, int minute)
{
    return QStringLiteral(" - ") + twoDigits(hour) + u':' + twoDigits(minute);
}

// The train list's line for the train, from the values entered.
QString expectedSummary(const Case &c)
{
    const TrainEntry &e = c.entry;
    QString line = trainTypes()[e.typeIndex] + u' ' + QString::number(e.number.toInt());
    const RunEntry &a = e.arrival;
    if (a.ownStationEnd)
        line += QStringLiteral(" - ( výchozí )");
    else
        line += station(c, a.neighbourCode) + time(a.departureHour, a.departureMinute)
                + (e.passesNeighbour ? QStringLiteral("pr") : QString()) + time(a.arrivalHour, a.arrivalMinute);
    line += QStringLiteral(" - ") + trackOf(e) + QStringLiteral(".kol");
    const RunEntry &d = e.departure;
    if (d.ownStationEnd)
        line += QStringLiteral(" - ( končící )");
    else
        line += station(c, d.neighbourCode)
                + (e.passesOwnStation ? QStringLiteral(" - průjezd") : time(d.departureHour, d.departureMinute))
                + time(d.arrivalHour, d.arrivalMinute);
    if (!e.note.isEmpty())
        line += QStringLiteral(" - ") + storedNote(e.note);
    return line;
}

RunEntry loadedRun(QStringView record, const BlockFields &block)
{
    const auto number = [record](RecordField field) { return FieldValue(record, field).number(); };
    const int code = number(block.code).value_or(-1);
    if (code == kOwnStationCode)
        return RunEntry{true};
    return {false, code, *number(block.departureHour), *number(block.departureMinute), *number(block.arrivalHour),
            *number(block.arrivalMinute)};
}

// The entry the edit command loads from a record, as the dialog holds it.
TrainEntry loadedEntry(QStringView record)
{
    TrainEntry e;
    e.typeIndex = DecodedRecord(record).typeIndex();
    e.number = QString::number(*FieldValue(record, Field::Number).number());
    e.arrival = loadedRun(record, kArrivalBlock);
    e.track = FieldValue(record, Field::Track).text().toString();
    const QChar passage = record[Field::Passage.position - 1];
    e.passesNeighbour = passesNeighbour(passage);
    e.passesOwnStation = passesOwnStation(passage);
    e.departure = loadedRun(record, kDepartureBlock);
    for (int i = 0; i < kVehicleCount; ++i)
        e.vehicles[i] = FieldValue(record, vehicleField(i)).text().toString();
    e.note = recordNote(record).toString();
    return e;
}

void checkTrainList(const Case &c, const QString &record, const QString &summary)
{
    QStringList document(30);
    document[1] = simulatorCatalogue()[c.simulator].name;
    document[6] = c.specifiedNeighbour;
    document << QString() << record;
    TrainList list;
    decodeTrainList(document, list);
    require(list.summaries() == QStringList{summary} && list.lines == QList<int>{32}, "the train list does not show the record");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const Case c = makeCase(in);
    const QString record = composeRecord(c.entry);
    const fuzz::ExactText exact(record);
    checkFields(exact.view(), c.entry);

    const fuzz::ExactText name(simulatorCatalogue()[c.simulator].name), neighbour(c.specifiedNeighbour);
    const QString summary = summaryLine(exact.view(), name.view(), neighbour.view());
    require(summary == expectedSummary(c), "the summary line does not show the values entered");
    checkTrainList(c, record, summary);
    require(composeRecord(loadedEntry(exact.view())) == record, "editing without changes does not give the same record");
    return 0;
}
