// Rows of a train table that the import refuses: each with its row, column and
// reason, as the train dialog's checks word them where the dialog has the
// check, and nothing imported while any row is refused.
#include "document/header_lines.h"
#include "exchange/table_columns.h"
#include "exchange/table_import.h"
#include "trains/timetable_context.h"

#include <QTest>

using namespace tgx;
using namespace Qt::StringLiterals;

namespace {

// A train of a "Zelto ŽST Hutky" timetable, in the columns' order.
QStringList hutkyRow()
{
    QStringList cells(kColumnCount);
    const std::pair<Column, QString> values[] = {
        {Column::Type, u"Os"_s},           {Column::Number, u"4521"_s},     {Column::FromStation, u"Česká Zálesí"_s},
        {Column::FromDeparture, u"07:05"_s}, {Column::FromArrival, u"07:12"_s}, {Column::Track, u"1"_s},
        {Column::ToStation, u"Vrbinov"_s}, {Column::ToDeparture, u"07:13"_s}, {Column::ToArrival, u"07:40"_s},
    };
    for (const auto &[column, value] : values)
        cells[int(column)] = value;
    return cells;
}

QStringList hutkyTimetable()
{
    QStringList lines(HeaderLine::Count);
    lines[HeaderLine::Simulator - 1] = u"Zelto ŽST Hutky"_s;
    return lines;
}

QByteArray table(const QList<QStringList> &rows)
{
    QString text = columnNames().join(u';') + u"\r\n"_s;
    for (const QStringList &row : rows)
        text += row.join(u';') + u"\r\n"_s;
    return text.toUtf8();
}

using Changes = QList<std::pair<QString, QString>>; // column name, new cell

} // namespace

class TableRefusalsTest : public QObject {
    Q_OBJECT

private slots:
    void refusedRow_data();
    void refusedRow();
    void message_data();
    void message();
    void tableWithoutColumnNames();
};

void TableRefusalsTest::refusedRow_data()
{
    QTest::addColumn<Changes>("changes");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("text");
    const auto row = [](const char *name, Changes changes, const QString &column, const QString &text) {
        QTest::newRow(name) << changes << column << text;
    };
    row("no type", {{u"Druh"_s, u""_s}}, u"Druh"_s, u"Není uveden údaj: Druhová zkratka!"_s);
    row("unknown type", {{u"Druh"_s, u"Xy"_s}}, u"Druh"_s, u"Neznámá druhová zkratka „Xy“"_s);
    row("no number", {{u"Číslo"_s, u" "_s}}, u"Číslo"_s, u"Není uveden údaj: Číslo vlaku!"_s);
    row("long number", {{u"Číslo"_s, u"123456"_s}}, u"Číslo"_s, u"Číslo vlaku musí mít 1 až 5 číslic, ne „123456“"_s);
    row("no station from", {{u"Ze stanice"_s, u""_s}}, u"Ze stanice"_s, u"Není uveden údaj: Ze stanice!"_s);
    row("unknown station", {{u"Ze stanice"_s, u"Praha"_s}}, u"Ze stanice"_s,
        u"Stanice „Praha“ není v seznamu stanic simulátoru"_s);
    row("no departure there", {{u"Odjezd ze sousední"_s, u""_s}}, u"Odjezd ze sousední"_s,
        u"Není uveden údaj: Odjezd!"_s);
    row("no arrival", {{u"Příjezd"_s, u""_s}}, u"Příjezd"_s, u"Není uveden údaj: Příjezd!"_s);
    row("bad arrival", {{u"Příjezd"_s, u"25:00"_s}}, u"Příjezd"_s, u"Čas „25:00“ nelze přečíst"_s);
    row("no track", {{u"Kolej"_s, u""_s}}, u"Kolej"_s, u"Není uveden údaj: Pravidelná kolej"_s);
    row("unknown track", {{u"Kolej"_s, u"7"_s}}, u"Kolej"_s, u"Kolej „7“ není v seznamu kolejí simulátoru"_s);
    row("no station to", {{u"Do stanice"_s, u""_s}}, u"Do stanice"_s, u"Není uveden údaj: Do stanice!"_s);
    row("no departure", {{u"Odjezd"_s, u""_s}}, u"Odjezd"_s, u"Není uveden údaj: Odjezd!"_s);
    row("no arrival there", {{u"Příjezd do sousední"_s, u""_s}}, u"Příjezd do sousední"_s,
        u"Není uveden údaj: Příjezd!"_s);
    row("not yes", {{u"Průjezd"_s, u"ne"_s}}, u"Průjezd"_s, u"Buňka má být „ano“ nebo prázdná, ne „ne“"_s);
    row("long vehicle", {{u"Vůz 3"_s, u"1234"_s}}, u"Vůz 3"_s, u"Číslo vozu musí mít 1 až 3 číslice, ne „1234“"_s);
    row("note beyond 1250", {{u"Poznámka"_s, u"vůz ✓"_s}}, u"Poznámka"_s,
        u"Znak „✓“ nelze uložit v kódování windows-1250"_s);
    row("starting and passing there", {{u"Ze stanice"_s, u"Výchozí"_s}, {u"Průjezd sousední"_s, u"ano"_s}},
        u"Průjezd sousední"_s, u"Výchozí vlak nemůže mít průjezd"_s);
    row("starting and passing here", {{u"Ze stanice"_s, u"Výchozí"_s}, {u"Průjezd"_s, u"ano"_s}}, u"Průjezd"_s,
        u"Výchozí vlak nemůže mít průjezd"_s);
    row("starting and ending", {{u"Ze stanice"_s, u"Výchozí"_s}, {u"Do stanice"_s, u"Končící"_s}}, u"Do stanice"_s,
        u"Vlak nemůže být výchozí i končící"_s);
    row("ending and passing", {{u"Do stanice"_s, u"Končící"_s}, {u"Průjezd"_s, u"ano"_s}}, u"Průjezd"_s,
        u"Končící vlak nemůže projíždět stanicí"_s);
    row("passing, another departure", {{u"Průjezd"_s, u"ano"_s}}, u"Odjezd"_s,
        u"Projíždějící vlak odjíždí v čase příjezdu"_s);
}

// The refused row stands between two good ones: none of the three is imported.
void TableRefusalsTest::refusedRow()
{
    QFETCH(Changes, changes);
    QFETCH(QString, column);
    QFETCH(QString, text);
    QStringList refused = hutkyRow();
    for (const auto &[name, cell] : changes)
        refused[int(columnNames().indexOf(name))] = cell;
    const QStringList lines = hutkyTimetable();
    const TableImport result = importTrainTable(table({hutkyRow(), refused, hutkyRow()}), timetableContextOf(lines));
    QCOMPARE(result.records, QStringList());
    QCOMPARE(result.refusals.size(), 1);
    QCOMPARE(result.refusals[0].row, 3);
    QCOMPARE(columnName(result.refusals[0].column), column);
    QCOMPARE(result.refusals[0].text, text);
    QCOMPARE(refusalMessage(result.refusals), u"řádek 3, sloupec „%1“: %2"_s.arg(column, text));
}

void TableRefusalsTest::message_data()
{
    QTest::addColumn<int>("refused");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("last");
    QTest::newRow("one") << 1 << 1 << u"řádek 2, sloupec „Kolej“: Kolej „9“ není v seznamu kolejí simulátoru"_s;
    QTest::newRow("twenty") << 20 << 20 << u"řádek 21, sloupec „Kolej“: Kolej „9“ není v seznamu kolejí simulátoru"_s;
    QTest::newRow("twenty-one") << 21 << 21 << u"a ještě 1 dalších"_s;
    QTest::newRow("thirty-five") << 35 << 21 << u"a ještě 15 dalších"_s;
}

// Every refused row is counted, the first 20 are listed.
void TableRefusalsTest::message()
{
    QFETCH(int, refused);
    QFETCH(int, lines);
    QFETCH(QString, last);
    QStringList wrongTrack = hutkyRow();
    wrongTrack[int(Column::Track)] = u"9"_s;
    const QStringList timetable = hutkyTimetable();
    const TableImport result =
        importTrainTable(table(QList<QStringList>(refused, wrongTrack) << hutkyRow()), timetableContextOf(timetable));
    QCOMPARE(result.refusals.size(), refused);
    QVERIFY(result.records.isEmpty());
    const QStringList shown = refusalMessage(result.refusals).split(u'\n');
    QCOMPARE(shown.size(), lines);
    QCOMPARE(shown.last(), last);
}

void TableRefusalsTest::tableWithoutColumnNames()
{
    const QStringList timetable = hutkyTimetable();
    const TableImport result = importTrainTable(hutkyRow().join(u';').toUtf8(), timetableContextOf(timetable));
    QVERIFY(result.records.isEmpty());
    QCOMPARE(refusalMessage(result.refusals),
             u"řádek 1, sloupec „Druh“: V prvním řádku nejsou názvy sloupců tabulky vlaků"_s);
}

QTEST_GUILESS_MAIN(TableRefusalsTest)
#include "tst_table_refusals.moc"
