// The train table written and read back: the round trip for every simulator,
// quoting, encodings, separators, column order and the values spreadsheets
// write back.
#include "document/code_page.h"
#include "document/header_lines.h"
#include "document/simulator_catalogue.h"
#include "exchange/cell_values.h"
#include "exchange/csv_text.h"
#include "exchange/table_export.h"
#include "exchange/table_import.h"
#include "trains/station_table.h"
#include "trains/timetable_context.h"
#include "trains/train_record.h"
#include "trains/train_types.h"

#include <QStringEncoder>
#include <QTest>

using namespace tgx;
using namespace Qt::StringLiterals;

namespace {

// A timetable of simulator whose header line 7 names one of the stations
// the properties offer for the specified neighbour, or the one given.
QStringList timetable(int simulator, const QStringList &records,
                      std::optional<QString> specifiedNeighbour = std::nullopt)
{
    QStringList lines(HeaderLine::Count);
    lines[HeaderLine::Simulator - 1] = simulatorCatalogue()[simulator].name;
    lines[HeaderLine::SpecifiedNeighbour - 1] =
        specifiedNeighbour.value_or(simulatorCatalogue()[simulator].stationOptions.value(1));
    return lines + records;
}

QStringList recordsOf(const QStringList &document)
{
    return document.mid(HeaderLine::Count);
}

RunEntry run(int code, int departure, int arrival)
{
    return {false, code, departure / 60, departure % 60, arrival / 60, arrival % 60};
}

TrainEntry train(const QString &type, const QString &number, RunEntry from, RunEntry to, const QString &track)
{
    TrainEntry entry;
    entry.typeIndex = int(trainTypes().indexOf(type));
    entry.number = number;
    entry.arrival = from;
    entry.track = track;
    entry.departure = to;
    entry.vehicles.fill(QStringLiteral("000"));
    return entry;
}

// Trains the dialog can write for a simulator: through, passing, starting,
// ending, at midnight, with every kind of vehicle and note.
QStringList dialogRecords(int simulator)
{
    const int last = int(neighbourStations(simulator, {}).size());
    const QString track = trackList(simulator).value(0, QString(kNoTrack));
    RunEntry here;
    here.ownStationEnd = true;
    TrainEntry through = train(u"Os"_s, u"4521"_s, run(1, 7 * 60 + 5, 7 * 60 + 12), run(last, 7 * 60 + 13, 8 * 60), track);
    through.vehicles = {u"012"_s, u"001"_s, u"936"_s, u"078"_s, u"557"_s, u"000"_s, u"000"_s, u"100"_s,
                        u"000"_s, u"999"_s};
    through.note = u"posila; „žluťoučký“ \"kůň\", řídí Šťastný"_s;
    TrainEntry passing = train(u"R"_s, u"12000"_s, run(2, 23 * 60 + 50, 23 * 60 + 59), run(1, 23 * 60 + 59, 10), track);
    passing.passesNeighbour = passing.passesOwnStation = true;
    TrainEntry starting = train(u"Vleč"_s, u"0"_s, here, run(last, 0, 0), trackList(simulator).value(1, track));
    TrainEntry ending = train(u"Lv"_s, u"7"_s, run(last, 12 * 60, 12 * 60 + 30), here, track);
    ending.passesNeighbour = true;
    ending.note = u"  mezery kolem  "_s;
    return {composeRecord(through), composeRecord(passing), composeRecord(starting), composeRecord(ending)};
}

// A table of the columns given and one row of cells, joined as a spreadsheet would.
QString tableText(const QStringList &names, const QStringList &cells, const QString &separator)
{
    return names.join(separator) + u"\r\n"_s + cells.join(separator) + u"\r\n"_s;
}

const QStringList kNames = {u"Druh"_s, u"Číslo"_s, u"Ze stanice"_s, u"Odjezd ze sousední"_s, u"Příjezd"_s,
                            u"Kolej"_s, u"Do stanice"_s, u"Odjezd"_s, u"Příjezd do sousední"_s,
                            u"Vůz 1"_s, u"Poznámka"_s};
const QStringList kCells = {u"Os"_s, u"4521"_s, u"Česká Zálesí"_s, u"7:05"_s, u"07:12"_s, u"1"_s,
                            u"Vrbinov"_s, u"07:13"_s, u"07:40"_s, u"12"_s, u"žluťoučký kůň"_s};
// The record of kCells in a "Zelto ŽST Hutky" timetable.
const QString kHutkyRecord = u"1804521107050712070011207130740270000012000000000000000000000000000žluťoučký kůň"_s;

int hutky() { return simulatorIndex(u"Zelto ŽST Hutky"); }

QStringList imported(const QByteArray &bytes, int simulator,
                     std::optional<QString> specifiedNeighbour = std::nullopt)
{
    const QStringList document = timetable(simulator, {}, specifiedNeighbour);
    const TableImport result = importTrainTable(bytes, timetableContextOf(document));
    for (const Refusal &refusal : result.refusals)
        qWarning() << refusal.row << columnName(refusal.column) << refusal.text;
    return result.records;
}

} // namespace

class TrainTableTest : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void quoting_data();
    void quoting();
    void encodingsAndSeparators_data();
    void encodingsAndSeparators();
    void columnsInAnyOrder_data();
    void columnsInAnyOrder();
    void spreadsheetTimes_data();
    void spreadsheetTimes();
    void spreadsheetVehicles_data();
    void spreadsheetVehicles();
};

void TrainTableTest::roundTrip_data()
{
    QTest::addColumn<int>("simulator");
    QTest::addColumn<std::optional<QString>>("specifiedNeighbour");
    for (int simulator = 0; simulator < simulatorCatalogue().size(); ++simulator) {
        const QString name = simulatorCatalogue()[simulator].name;
        QTest::newRow(qPrintable(name)) << simulator << std::optional<QString>();
        // The dialog lists an empty line 7 as it stands, so its trains are written with an empty station.
        QTest::newRow(qPrintable(name + u", line 7 empty"_s)) << simulator << std::optional<QString>(QString());
    }
}

void TrainTableTest::roundTrip()
{
    QFETCH(int, simulator);
    QFETCH(std::optional<QString>, specifiedNeighbour);
    const QStringList document = timetable(simulator, dialogRecords(simulator), specifiedNeighbour);
    const QByteArray bytes = exportTrainTable(document);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF" "Druh;Číslo;Ze stanice;"));
    QCOMPARE(imported(bytes, simulator, specifiedNeighbour), recordsOf(document));
}

void TrainTableTest::quoting_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("plain") << u"posila"_s << QByteArray("posila");
    QTest::newRow("comma") << u"a, b"_s << QByteArray("a, b");
    QTest::newRow("separator") << u"a;b"_s << QByteArray("\"a;b\"");
    QTest::newRow("quote") << u"say \"hi\""_s << QByteArray("\"say \"\"hi\"\"\"");
    QTest::newRow("line break") << u"two\r\nlines"_s << QByteArray("\"two\r\nlines\"");
    QTest::newRow("lone LF") << u"two\nlines"_s << QByteArray("\"two\nlines\"");
    QTest::newRow("diacritics") << u"Šťastný"_s << u"Šťastný"_s.toUtf8();
}

void TrainTableTest::quoting()
{
    QFETCH(QString, field);
    QFETCH(QByteArray, written);
    const QByteArray bytes = Csv::write({{u"x"_s, field, u"y"_s}});
    QCOMPARE(bytes, "\xEF\xBB\xBF" "x;" + written + ";y\r\n");
    const QString text = Csv::decode(bytes);
    QCOMPARE(Csv::parse(text, Csv::separatorOf(text)), QList<QStringList>({{u"x"_s, field, u"y"_s}}));
}

void TrainTableTest::encodingsAndSeparators_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const auto utf16 = [](const QString &text) {
        QStringEncoder encoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
        return QByteArray(encoder(text));
    };
    const QString semicolons = tableText(kNames, kCells, u";"_s);
    QTest::newRow("UTF-8 with mark, ;") << QByteArray("\xEF\xBB\xBF" + semicolons.toUtf8());
    QTest::newRow("UTF-8, ;") << semicolons.toUtf8();
    QTest::newRow("UTF-8, ,") << tableText(kNames, kCells, u","_s).toUtf8();
    QTest::newRow("UTF-8, tab, LF") << tableText(kNames, kCells, u"\t"_s).replace(u"\r\n"_s, u"\n"_s).toUtf8();
    QTest::newRow("1250, ;") << CodePage1250::encode(semicolons);
    QTest::newRow("1250, tab, no last row end") << CodePage1250::encode(tableText(kNames, kCells, u"\t"_s).chopped(2));
    QTest::newRow("UTF-16 with mark, tab") << utf16(tableText(kNames, kCells, u"\t"_s));
}

void TrainTableTest::encodingsAndSeparators()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(imported(bytes, hutky()), QStringList{kHutkyRecord});
}

void TrainTableTest::columnsInAnyOrder_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("cells");
    QStringList names = kNames, cells = kCells;
    std::reverse(names.begin(), names.end());
    std::reverse(cells.begin(), cells.end());
    QTest::newRow("reversed") << names << cells;
    QTest::newRow("other columns") << (QStringList{u"Komentář"_s} + kNames + QStringList{u"Ze stanice "_s})
                                   << (QStringList{u"cokoli"_s} + kCells + QStringList{u"Hutky"_s});
    QTest::newRow("blanks around names") << QStringList(kNames).replaceInStrings(u"Druh"_s, u" Druh "_s)
                                         << kCells;
}

void TrainTableTest::columnsInAnyOrder()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, cells);
    QCOMPARE(imported(tableText(names, cells, u";"_s).toUtf8(), hutky()), QStringList{kHutkyRecord});
}

void TrainTableTest::spreadsheetTimes_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("minutes"); // -1: not a time
    QTest::newRow("hh:mm") << u"05:26"_s << 5 * 60 + 26;
    QTest::newRow("h:mm") << u"5:26"_s << 5 * 60 + 26;
    QTest::newRow("seconds") << u"05:26:00"_s << 5 * 60 + 26;
    QTest::newRow("AM") << u"5:26 AM"_s << 5 * 60 + 26;
    QTest::newRow("AM with seconds") << u"5:26:00 AM"_s << 5 * 60 + 26;
    QTest::newRow("PM") << u"5:26:00 PM"_s << 17 * 60 + 26;
    QTest::newRow("pm without blank") << u"11:59pm"_s << 23 * 60 + 59;
    QTest::newRow("midnight AM") << u"12:05 AM"_s << 5;
    QTest::newRow("noon PM") << u"12:05 PM"_s << 12 * 60 + 5;
    QTest::newRow("blanks around") << u" 23:59 "_s << 23 * 60 + 59;
    QTest::newRow("hour 24") << u"24:00"_s << -1;
    QTest::newRow("minute 60") << u"5:60"_s << -1;
    QTest::newRow("seconds not 00") << u"5:26:30"_s << -1;
    QTest::newRow("13 PM") << u"13:00 PM"_s << -1;
    QTest::newRow("0 AM") << u"0:10 AM"_s << -1;
    QTest::newRow("dot") << u"5.26"_s << -1;
    QTest::newRow("one minute digit") << u"5:6"_s << -1;
    QTest::newRow("text") << u"ráno"_s << -1;
}

void TrainTableTest::spreadsheetTimes()
{
    QFETCH(QString, cell);
    QFETCH(int, minutes);
    QCOMPARE(readTimeCell(cell).value_or(-1), minutes);
}

void TrainTableTest::spreadsheetVehicles_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("vehicle"); // empty: refused
    QTest::newRow("two digits") << u"12"_s << u"012"_s;
    QTest::newRow("three digits") << u"012"_s << u"012"_s;
    QTest::newRow("one digit") << u"1"_s << u"001"_s;
    QTest::newRow("empty place") << u""_s << u"000"_s;
    QTest::newRow("zero") << u"0"_s << u"000"_s;
    QTest::newRow("four digits") << u"1234"_s << QString();
    QTest::newRow("exponent") << u"9,36078557E+008"_s << QString();
    QTest::newRow("minus") << u"-12"_s << QString();
}

void TrainTableTest::spreadsheetVehicles()
{
    QFETCH(QString, cell);
    QFETCH(QString, vehicle);
    QCOMPARE(readVehicleCell(cell).value_or(QString()), vehicle);
}

QTEST_GUILESS_MAIN(TrainTableTest)
#include "tst_train_table.moc"
