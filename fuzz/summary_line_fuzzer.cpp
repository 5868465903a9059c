// The train list's summary line of any line of text, for every simulator and
// any header line 7, and the train list of a whole document. The input's first
// line is header line 7; every further line is a record. The input as a whole
// is also decoded as a document of its own.

#include "fuzz_support.h"

#include "document/simulator_catalogue.h"
#include "trains/summary_line.h"
#include "trains/train_types.h"

using namespace tgx;
using fuzz::require;

namespace {

constexpr qsizetype kSummarisedLength = 31; // shorter records are shown as they stand
constexpr qsizetype kBodyLength = 67;       // the note follows

// A timetable as the summary depends on it: header lines 2 and 7.
struct Timetable {
    QString simulatorName;
    int simulator; // catalogue index the name must select, -1 for none
    QString specifiedNeighbour;
};

QString typeText(QStringView code)
{
    const int value = fuzz::isDigits(code) ? code.toInt() : -1;
    return value >= 10 && value <= 28 ? trainTypes()[value - 10] : code.toString();
}

QString station(const Timetable &timetable, QChar code)
{
    const auto name = fuzz::expectedShortName(timetable.simulator, code, timetable.specifiedNeighbour);
    return name ? QStringLiteral(" - ") + *name : QString();
}

// " - hh:mm" from the two positions of the hour and of the minute.
QString time(QStringView record, int hour, int minute)
{
    return QStringLiteral(" - %1:%2").arg(record.mid(hour - 1, 2), record.mid(minute - 1, 2));
}

QString arrivalPart(QStringView record, const Timetable &timetable)
{
    if (record[7] == u'0')
        return QStringLiteral(" - ( výchozí )");
    const bool passesNeighbour = record[21] == u'3' || record[21] == u'4';
    return station(timetable, record[7]) + time(record, 9, 11) + (passesNeighbour ? QStringLiteral("pr") : QString())
           + time(record, 13, 15);
}

QString departurePart(QStringView record, const Timetable &timetable)
{
    if (record[22] == u'0')
        return QStringLiteral(" - ( končící )");
    const bool passesOwnStation = record[21] == u'2' || record[21] == u'4';
    return station(timetable, record[22]) + (passesOwnStation ? QStringLiteral(" - průjezd") : time(record, 24, 26))
           + time(record, 28, 30);
}

// What the list shows for a non-empty record, or nothing when its train number
// cannot be read and the decoding must fail.
std::optional<QString> expectedSummary(QStringView record, const Timetable &timetable)
{
    if (record.size() < kSummarisedLength)
        return record.toString();
    if (!fuzz::isDigits(record.mid(2, 5)))
        return std::nullopt;
    QString line = typeText(record.first(2)) + u' ' + QString::number(record.mid(2, 5).toInt());
    line += arrivalPart(record, timetable);
    line += QStringLiteral(" - ") + record[20] + QStringLiteral(".kol");
    line += departurePart(record, timetable);
    if (record.size() > kBodyLength)
        line += QStringLiteral(" - ") + record.sliced(kBodyLength).toString();
    return line;
}

void checkSummary(const QString &record, const Timetable &timetable)
{
    const fuzz::ExactText exactRecord(record), name(timetable.simulatorName), neighbour(timetable.specifiedNeighbour);
    QString summary;
    const bool failed = fuzz::failsWithConversionError(
        [&] { summary = summaryLine(exactRecord.view(), name.view(), neighbour.view()); });
    const auto expected = expectedSummary(record, timetable);
    require(failed == !expected, "the summary fails on a readable train number or reads an unreadable one");
    require(failed || summary == *expected, "the summary line differs from the record");
}

// The document's train list item by item, up to the first record that cannot
// be decoded, where the decoding must stop naming that record's line.
void checkTrainList(const QStringList &document, const Timetable &timetable)
{
    TrainList list;
    list.records = QStringList{QStringLiteral("left from an earlier list")};
    list.lines = QList<int>{99};
    QString failure;
    try {
        decodeTrainList(document, list);
    } catch (const Failure &f) {
        failure = f.description();
    }
    const QStringList summaries = list.summaries();
    require(summaries.size() == list.lines.size(), "summaries and their line numbers disagree");
    qsizetype item = 0;
    for (qsizetype i = 30; i < document.size(); ++i) {
        if (document[i].isEmpty())
            continue;
        const auto expected = expectedSummary(document[i], timetable);
        if (!expected) {
            require(failure.startsWith(QStringLiteral("Řádek %1:").arg(i + 1)), "the failure names the wrong line");
            require(summaries.size() == item, "the list after a failure is not the records before it");
            return;
        }
        require(item < summaries.size(), "a record is missing from the list");
        require(list.lines[item] == i + 1, "an item names the wrong document line");
        require(summaries[item] == *expected, "an item differs from its record's summary line");
        ++item;
    }
    require(failure.isEmpty(), "the decoding fails without an unreadable record");
    require(summaries.size() == item, "the list holds more items than records");
}

// Line 2 and line 7 of a document, and the simulator line 2 must select.
Timetable timetableOf(const QStringList &document)
{
    const QString name = document.size() >= 2 ? document[1] : QString();
    int simulator = -1;
    for (int i = 0; i < simulatorCatalogue().size(); ++i) {
        if (simulatorCatalogue()[i].name == name)
            simulator = i;
    }
    return {name, simulator, document.size() >= 7 ? document[6] : QString()};
}

// Every simulator, an empty line 2, and names that differ from one in letter
// case or by a trailing blank, which select none.
QList<Timetable> timetables(const QString &specifiedNeighbour)
{
    QList<Timetable> list{{QString(), -1, specifiedNeighbour}};
    for (int i = 0; i < simulatorCatalogue().size(); ++i)
        list.append({simulatorCatalogue()[i].name, i, specifiedNeighbour});
    list.append({simulatorCatalogue()[0].name.toUpper(), -1, specifiedNeighbour});
    list.append({simulatorCatalogue()[3].name + u' ', -1, specifiedNeighbour});
    return list;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = fuzz::inputLines(data, size);
    checkTrainList(lines, timetableOf(lines));

    const QStringList records = lines.mid(1);
    for (const Timetable &timetable : timetables(lines.front())) {
        for (const QString &record : records)
            checkSummary(record, timetable);
        QStringList document(30);
        document[1] = timetable.simulatorName;
        document[6] = timetable.specifiedNeighbour;
        checkTrainList(document + records, timetable);
    }
    return 0;
}
