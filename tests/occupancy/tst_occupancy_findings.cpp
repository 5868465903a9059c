#include "document/file_store.h"
#include "occupancy/document_analysis.h"
#include "occupancy/timetable_check.h"
#include "timetable_records.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTextStream>

using namespace tgx;
using namespace tgx::test;

namespace {

// A row of findings_data: the timetable of simulator and records, and its findings as "LINE: TEXT".
void row(const char *name, const QString &simulator, const QStringList &records, const QStringList &findings,
         const QString &specified = {})
{
    QTest::newRow(name) << timetable(simulator, records, specified) << findings;
}

// A row of a timetable holding only line, which cannot be read for description (none: it can).
void unreadable(const char *name, const QString &line, const QString &description)
{
    const QString finding = "31: záznam vlaku nelze přečíst: " + description;
    row(name, kHutky, {line}, description.isEmpty() ? QStringList{} : QStringList{finding});
}

// A file store holding one file, whatever its name.
class OneFile : public FileStore {
public:
    explicit OneFile(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    QByteArray read(const QString &) const override { return m_bytes; }
    void write(const QString &, const QByteArray &) const override {}

private:
    QByteArray m_bytes;
};

} // namespace

// What the timetable checks find in small timetables, worded as shown, and
// how many other lines a line's findings may name.
class OccupancyFindingsTest : public QObject {
    Q_OBJECT

private slots:
    void findings_data();
    void findings();
    void simulatorFindings_data();
    void simulatorFindings();
    void countsThePairsBeyondTen_data();
    void countsThePairsBeyondTen();
    void checkWritesControlCharactersEscaped_data();
    void checkWritesControlCharactersEscaped();
    void namesTheTenTrainsThatLeftLast();
    void boundsADocumentOfEqualTrains();
};

void OccupancyFindingsTest::findings_data()
{
    QTest::addColumn<QStringList>("document");
    QTest::addColumn<QStringList>("findings");

    const QString at0710 = record(1, "1 0700 0710", "1", "2 0712 0740");
    const QString at0712 = record(2, "1 0702 0712", "1", "2 0715 0745");
    row("touching stays share their minute", kHutky, {at0710, at0712},
        {"32: kolize na koleji 1: Os 2 07:12–07:15 a Os 1 07:10–07:12 (řádek 31)"});
    row("a train the minute after", kHutky, {at0710, record(2, "1 0703 0713", "1", "2 0715 0745")}, {});
    row("through midnight", kHutky,
        {record(1, "1 2345 2355", "1", "2 0005 0030"), record(2, "1 2355 0003", "1", "2 0010 0040")},
        {"32: kolize na koleji 1: Os 2 00:03–00:10 a Os 1 23:55–00:05 (řádek 31)"});
    row("only the estimated minutes before a departure", kHutky,
        {record(1, "-", "1", "2 0800 0830"), record(2, "1 0735 0745", "1", "2 0755 0825")},
        {"32: možná kolize na koleji 1: Os 2 07:45–07:55 a Os 1 07:50–08:00 (řádek 31)"});
    row("up to the departure itself", kHutky,
        {record(1, "-", "1", "2 0800 0830"), record(2, "1 0735 0745", "1", "2 0800 0830")},
        {"32: kolize na koleji 1: Os 2 07:45–08:00 a Os 1 07:50–08:00 (řádek 31)"});
    row("estimated minutes of either train after arrivals", kHutky,
        {record(1, "1 0850 0900", "1", "-"), record(2, "1 0855 0905", "1", "-")},
        {"32: možná kolize na koleji 1: Os 2 09:05–09:15 a Os 1 09:00–09:10 (řádek 31)"});
    row("two arrivals in one minute", kHutky, {record(1, "1 0850 0900", "1", "-"), record(2, "1 0850 0900", "1", "-")},
        {"32: kolize na koleji 1: Os 2 09:00–09:10 a Os 1 09:00–09:10 (řádek 31)"});
    row("estimated minutes through midnight", kHutky,
        {record(1, "-", "2", "2 0005 0030"), record(2, "1 2340 2350", "2", "2 2356 0020")},
        {"32: možná kolize na koleji 2: Os 2 23:50–23:56 a Os 1 23:55–00:05 (řádek 31)"});
    row("estimated minutes before a departure after midnight", kHutky,
        {record(1, "-", "2", "2 0005 0030"), record(2, "1 2350 0002", "2", "2 0003 0030")},
        {"32: možná kolize na koleji 2: Os 2 00:02–00:03 a Os 1 23:55–00:05 (řádek 31)"});
    row("a passing train holds one minute", kHutky,
        {record(1, "1 0950 1000", "1", "2 1000 1020", "18", u'2'), record(2, "1 0940 0950", "1", "2 1000 1030")},
        {"32: kolize na koleji 1: Os 2 09:50–10:00 a Os 1 10:00–10:00 (řádek 31)"});
    row("track 0 never collides", kHutky,
        {record(1, "1 0700 0710", "0", "2 0712 0740"), record(2, "1 0702 0712", "0", "2 0715 0745")}, {});
    row("type code outside the table", kHutky, {at0710, record(2, "1 0702 0712", "1", "2 0715 0745", "99")},
        {"32: kolize na koleji 1: 99 2 07:12–07:15 a Os 1 07:10–07:12 (řádek 31)"});
    row("collisions on a track the station lacks", kHutky,
        {record(1, "1 0700 0710", "9", "2 0712 0740"), record(2, "1 0702 0712", "9", "2 0715 0745")},
        {"31: kolej 9 v této stanici není", "32: kolize na koleji 9: Os 2 07:12–07:15 a Os 1 07:10–07:12 (řádek 31)",
         "32: kolej 9 v této stanici není"});
    const QString onTrack7 = record(3, "1 0702 0712", "7", "2 0715 0745");
    row("Skalín has no track list", kSkalin, {at0710, at0712, onTrack7}, {});
    row("no simulator, no track findings, collisions or overtakings", QString(),
        {at0710, at0712, onTrack7, record(4, "-", "5", "2 0800 0830"), record(5, "-", "6", "2 0805 0820")},
        {"2: řádek 2 neuvádí simulátor, koleje a předjíždění proto nekontroluje"});

    row("numbers compare as numbers, the first line is named", QString(),
        {record(734, "1 0700 0710", "1", "2 0712 0740"), record(735, "-", "1", "2 0800 0830"),
         record(734, "-", "2", "-"), record(734, "1 1000 1010", "2", "-")},
        {"2: řádek 2 neuvádí simulátor, koleje a předjíždění proto nekontroluje",
         "33: číslo vlaku 734 je už na řádku 31", "34: číslo vlaku 734 je už na řádku 31"});
    row("a stay of twelve hours", kHutky, {record(1, "1 0950 1000", "1", "2 2200 2220")}, {});
    row("a stay of a minute more departs before the arrival", kHutky, {record(1, "1 0950 1000", "1", "2 2201 2220")},
        {"31: odjezd 22:01 je dříve než příjezd 10:00"});
    row("held to its arrival, colliding there alone; every kind in its order", kHutky,
        {record(5, "1 0945 0955", "9", "2 1005 1035"), record(5, "1 0950 1000", "9", "2 0950 1020")},
        {"31: kolej 9 v této stanici není", "32: kolize na koleji 9: Os 5 10:00–10:00 a Os 5 09:55–10:05 (řádek 31)",
         "32: kolej 9 v této stanici není", "32: číslo vlaku 5 je už na řádku 31",
         "32: odjezd 09:50 je dříve než příjezd 10:00"});

    // Os 1 on track 1 and Os 2 on track 2 start here and leave as given.
    const auto leaving = [](const char *first, const char *second) {
        return QStringList{record(1, "-", "1", first), record(2, "-", "2", second)};
    };
    row("overtaking on the way to a neighbour, reported on the earlier line", kHutky,
        leaving("2 0805 0820", "2 0800 0830"), {"31: Os 1 předjíždí Os 2 (řádek 32) na trati do stanice Vrbinov"});
    row("overtaking both ways, the way to the neighbour first", kHutky,
        {record(1, "1 0700 0740", "1", "2 0750 0830"), record(2, "1 0710 0730", "2", "2 0755 0810")},
        {"32: Os 2 předjíždí Os 1 (řádek 31) na trati do stanice Vrbinov",
         "32: Os 2 předjíždí Os 1 (řádek 31) na trati ze stanice Zálesí"});
    row("overtaking through midnight", kHutky, leaving("2 2350 0030", "2 0005 0020"),
        {"32: Os 2 předjíždí Os 1 (řádek 31) na trati do stanice Vrbinov"});
    row("arriving together, while overtaking another", kHutky,
        leaving("2 0800 0830", "2 0805 0820") << record(3, "-", "0", "2 0810 0820"),
        {"32: Os 2 předjíždí Os 1 (řádek 31) na trati do stanice Vrbinov",
         "33: Os 3 předjíždí Os 1 (řádek 31) na trati do stanice Vrbinov"});
    row("leaving together", kHutky, leaving("2 0800 0830", "2 0800 0820"), {});
    row("different neighbours", kHutky, leaving("1 0800 0830", "2 0805 0820"), {});
    row("a code without a station", kHutky, leaving("4 0800 0830", "4 0805 0820"), {});
    row("the specified neighbour", kVrbinov, leaving("1 0800 0830", "1 0805 0820"),
        {"32: Os 2 předjíždí Os 1 (řádek 31) na trati do stanice Plavy"}, QStringLiteral("Plavy"));
    row("Skalín's sections are checked", kSkalin, leaving("2 0800 0830", "2 0805 0820"),
        {"32: Os 2 předjíždí Os 1 (řádek 31) na trati do stanice Dolanov"});

    row("undecodable lines among good ones take part in nothing", kHutky,
        {at0710, "1804521", "", QString(at0710).replace(2, 5, "0x001"), at0712,
         record(1, "1 0702 0712", "2", "2 0715 0745")},
        {"32: záznam vlaku nelze přečíst: záznam má jen 7 znaků",
         "34: záznam vlaku nelze přečíst: „0x001“ na pozicích 3–7 není číslo vlaku",
         "35: kolize na koleji 1: Os 2 07:12–07:15 a Os 1 07:10–07:12 (řádek 31)",
         "36: číslo vlaku 1 je už na řádku 31"});
    const QString good = record(4521, "1 0705 0712", "1", "2 0713 0740");
    const auto with = [&](int at, const QString &text) { return QString(good).replace(at - 1, text.size(), text); };
    unreadable("one character", "1", "záznam má jen 1 znak");
    unreadable("three characters", "180", "záznam má jen 3 znaky");
    unreadable("thirty-one characters are enough", good.left(31), "");
    unreadable("arrival code", with(8, "x"), "„x“ na pozici 8 není kód sousední stanice");
    unreadable("the first fault in position order", with(9, "x").replace(3, 1, u'y'),
               "„0y521“ na pozicích 3–7 není číslo vlaku");
    unreadable("an absent block's times are not read", with(23, "0xxxxxxxx"), "");
    unreadable("a type outside the table is readable", with(1, "x9"), "");
    unreadable("running times are not read", with(17, "ab"), "");
}

void OccupancyFindingsTest::findings()
{
    QFETCH(QStringList, document);
    QTEST(findingLines(planDocument(document)), "findings");
}

void OccupancyFindingsTest::simulatorFindings_data()
{
    QTest::addColumn<QStringList>("document");
    QTest::addColumn<QStringList>("findings");

    const QString unknown = QStringLiteral("2: simulátor „%1“ editor nezná, koleje a předjíždění proto nekontroluje");
    const QString none = QStringLiteral("2: řádek 2 neuvádí simulátor, koleje a předjíždění proto nekontroluje");
    const QString train = record(1, "1 0700 0710", "9", "2 0712 0740");
    row("a trailing space", kHutky + u' ', {train}, {unknown.arg(kHutky + u' ')});
    row("without diacritics", "Zelto ZST Hutky", {train}, {unknown.arg("Zelto ZST Hutky")});
    row("another letter case", "zelto žst hutky", {train}, {unknown.arg("zelto žst hutky")});
    // "Ž" in UTF-8 is C5 BD, which code page 1250 reads as "Ĺ˝".
    row("a UTF-8 file read in code page 1250", "Zelto Ĺ˝ST Hutky", {train}, {unknown.arg("Zelto Ĺ˝ST Hutky")});
    row("an empty line 2", "", {train}, {none});
    row("before the findings of the records", "Kocourkov", {train, train},
        {unknown.arg("Kocourkov"), "32: číslo vlaku 1 je už na řádku 31"});
    row("an unreadable record is a record", "", {"1"}, {none, "31: záznam vlaku nelze přečíst: záznam má jen 1 znak"});
    row("no train records", "Kocourkov", {}, {});
    row("only empty record lines", "", {"", ""}, {});
    row("a simulator without tracks", kSkalin, {train}, {});
    row("a simulator with tracks", kHutky, {train}, {"31: kolej 9 v této stanici není"});
}

void OccupancyFindingsTest::simulatorFindings()
{
    QFETCH(QStringList, document);
    QTEST(findingLines(planDocument(document)), "findings");
}

void OccupancyFindingsTest::countsThePairsBeyondTen_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QString>("further"); // what follows the ten pair findings of the last line; empty: nothing

    const auto copies = [](int count, const auto &recordOf) {
        QStringList records;
        for (int i = 0; i < count; ++i)
            records << recordOf(i);
        return records;
    };
    // Trains of no run time hold their track from arrival to departure and overtake nothing.
    const auto stay = [](const char *arrival, const char *departure) {
        return [=](int i) {
            return record(i, QStringLiteral("1 %1 %1").arg(arrival), "1", QStringLiteral("2 %1 %1").arg(departure));
        };
    };
    const auto single = [&](int number, const char *arrival, const char *departure) {
        return QStringList{stay(arrival, departure)(number)};
    };
    QTest::newRow("ten collisions") << copies(11, stay("0700", "0705")) << QString();
    QTest::newRow("eleven collisions") << copies(12, stay("0700", "0705")) << "a ještě 1 dalších kolizí";
    // Estimated minutes after eleven arrivals and before a departure.
    QTest::newRow("possible collisions count")
        << copies(11, [](int i) { return record(i, "1 0750 0750", "1", "-"); })
               + QStringList{record(99, "-", "1", "2 0805 0805")}
        << "a ještě 1 dalších kolizí";
    // The last train runs through midnight and meets six trains at each end of the day.
    QTest::newRow("collisions at both ends of the day")
        << copies(6, stay("2356", "2358")) + copies(6, stay("0001", "0003")) + single(99, "2355", "0005")
        << "a ještě 2 dalších kolizí";
    // Two half-day stays, 00:00–12:00 and 12:00–00:00, meet at both ends: once.
    QTest::newRow("a train met at both ends counts once")
        << single(50, "0000", "1200") + copies(10, stay("1300", "1301")) + single(99, "1200", "0000")
        << "a ještě 1 dalších kolizí";
    const auto slowTo = [](int i) { return record(i, "-", "0", QStringLiteral("2 08%1 0900").arg(i, 2, 10, QChar(u'0'))); };
    const auto slowFrom = [](int i) { return record(20 + i, QStringLiteral("1 074%1 0830").arg(i), "0", "-"); };
    const QString fast = record(99, "1 0750 0815", "0", "2 0820 0830");
    QTest::newRow("ten overtakings") << copies(10, slowTo) + QStringList{fast} << QString();
    QTest::newRow("twelve on the line to a station") << copies(12, slowTo) + QStringList{fast}
                                                     << "a ještě 2 dalších předjíždění";
    QTest::newRow("on the lines to and from a station") << copies(8, slowTo) + copies(3, slowFrom) + QStringList{fast}
                                                        << "a ještě 1 dalších předjíždění";
}

void OccupancyFindingsTest::countsThePairsBeyondTen()
{
    QFETCH(QStringList, records);
    QFETCH(QString, further);
    const OccupancyPlan plan = planDocument(timetable(kHutky, records));
    const int last = 30 + int(records.size());
    QStringList texts;
    for (const Finding &finding : plan.findings) {
        if (finding.line == last)
            texts << findingText(plan, finding);
    }
    QCOMPARE(texts.size(), further.isEmpty() ? 10 : 11);
    QCOMPARE(texts.last().startsWith(QStringLiteral("a ještě")), !further.isEmpty());
    if (!further.isEmpty())
        QCOMPARE(texts.last(), further);
}

void OccupancyFindingsTest::checkWritesControlCharactersEscaped_data()
{
    QTest::addColumn<QByteArray>("line2"); // in code page 1250
    QTest::addColumn<QString>("shown");

    QTest::newRow("an escape sequence") << QByteArray("Zelto\x1b[2J\x1b]0;x\x07") << "Zelto\\x1b[2J\\x1b]0;x\\x07";
    QTest::newRow("NUL") << QByteArray("Zel\0to", 6) << "Zel\\x00to";
    QTest::newRow("tab and form feed") << QByteArray("\tZelto\f") << "\\x09Zelto\\x0c";
    QTest::newRow("delete and C1 controls") << QByteArray("\x7f\x81\x90") << "\\x7f\\x81\\x90";
    QTest::newRow("letters of code page 1250 stay") << QByteArray("Zelto \x8EST \x84\x93\\") << "Zelto ŽST „“\\";
}

void OccupancyFindingsTest::checkWritesControlCharactersEscaped()
{
    QFETCH(QByteArray, line2);
    QFETCH(QString, shown);
    const QByteArray file = "Plan\r\n" + line2 + QByteArray("\r\n").repeated(29)
                            + record(1, "1 0700 0710", "1", "2 0712 0740").toLatin1() + "\r\n";
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    QCOMPARE(checkFiles({QStringLiteral("f.46g")}, OneFile(file), outStream, errStream), int(kCheckFoundFaults));
    QCOMPARE(out, "f.46g:2: simulátor „" + shown + "“ editor nezná, koleje a předjíždění proto nekontroluje\n");
    QCOMPARE(err, QString());
}

void OccupancyFindingsTest::namesTheTenTrainsThatLeftLast()
{
    // Twelve slow trains leave at 8:00 to 8:11; a fast one leaves at 8:20 and
    // overtakes them all, and three more on its way in.
    QStringList records;
    for (int i = 0; i < 12; ++i)
        records << record(i, "-", "0", QStringLiteral("2 08%1 0900").arg(i, 2, 10, QChar(u'0')));
    for (int i = 0; i < 3; ++i)
        records << record(20 + i, QStringLiteral("1 074%1 0830").arg(i), "0", "-");
    records << record(99, "1 0750 0815", "0", "2 0820 0830");
    const OccupancyPlan plan = planDocument(timetable(kHutky, records));
    QList<int> named;
    for (const Finding &finding : plan.findings) {
        QCOMPARE(finding.line, 46);
        if (finding.kind == FindingKind::MoreOvertakings)
            continue;
        QVERIFY(findingText(plan, finding).contains(QStringLiteral("na trati do stanice")));
        named << plan.trains[finding.other].line;
    }
    QCOMPARE(named, (QList<int>{33, 34, 35, 36, 37, 38, 39, 40, 41, 42}));
    QCOMPARE(findingText(plan, plan.findings.last()), QStringLiteral("a ještě 5 dalších předjíždění"));
}

void OccupancyFindingsTest::boundsADocumentOfEqualTrains()
{
    const int trains = 600000;
    QStringList document = timetable(kHutky, {});
    document.reserve(30 + trains);
    const QString hutky = record(4521, "1 0705 0712", "1", "2 0713 0740");
    for (int i = 0; i < trains; ++i)
        document << hutky;
    QElapsedTimer timer;
    timer.start();
    const OccupancyPlan plan = planDocument(document);
    qInfo("%d equal trains planned in %lld ms", trains, timer.elapsed());

    // Each line names its ten nearest earlier lines, how many more it meets,
    // and the first one with its number.
    QCOMPARE(plan.findings.size(), qsizetype(10) * trains - 55 + (trains - 11) + trains - 1);
    const qsizetype last = plan.findings.size() - 1;
    QCOMPARE(findingText(plan, plan.findings[last]), QStringLiteral("číslo vlaku 4521 je už na řádku 31"));
    QCOMPARE(findingText(plan, plan.findings[last - 1]), QStringLiteral("a ještě %1 dalších kolizí").arg(trains - 11));
    for (int i = 1; i <= 10; ++i) {
        QCOMPARE(plan.findings[last - 1 - i].line, 30 + trains);
        QCOMPARE(findingText(plan, plan.findings[last - 1 - i]),
                 QStringLiteral("kolize na koleji 1: Os 4521 07:12–07:13 a Os 4521 07:12–07:13 (řádek %1)")
                     .arg(30 + trains - i));
    }
}

QTEST_GUILESS_MAIN(OccupancyFindingsTest)
#include "tst_occupancy_findings.moc"
