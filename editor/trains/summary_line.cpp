#include "trains/summary_line.h"

#include "document/decimal.h"
#include "document/failure.h"
#include "document/header_lines.h"
#include "document/simulator_catalogue.h"
#include "trains/record_layout.h"
#include "trains/station_table.h"
#include "trains/train_types.h"

#include <algorithm>

namespace tgx {

namespace {

constexpr qsizetype kSummarisedLength = 31; // positions the summary reads, the note aside
constexpr QStringView kSeparator = u" - ";
constexpr QStringView kOriginating = u" - ( výchozí )";
constexpr QStringView kTerminating = u" - ( končící )";
constexpr QStringView kPassingOwnStation = u" - průjezd";
constexpr QStringView kPassedNeighbour = u"pr";
constexpr QStringView kTrackSuffix = u".kol";

// The timetable a record belongs to, as the summary needs it.
struct Timetable {
    int simulator;                 // catalogue index, -1 for an unknown one
    QStringView specifiedNeighbour;
};

// The summary line being written: a buffer sized once for the whole line, as
// the list rebuild writes one line per record on every keystroke.
class SummaryText {
public:
    explicit SummaryText(qsizetype capacity) : m_text(capacity, Qt::Uninitialized), m_end(m_text.data()) {}

    SummaryText &operator+=(QStringView part)
    {
        std::copy(part.begin(), part.end(), m_end);
        m_end += part.size();
        return *this;
    }
    SummaryText &operator+=(QChar c)
    {
        *m_end++ = c;
        return *this;
    }
    QString take()
    {
        m_text.truncate(m_end - m_text.constData());
        return std::move(m_text);
    }

private:
    QString m_text;
    QChar *m_end;
};

// Room for every fixed part, two station names (the longest fixed one has 14
// characters) and the record's own characters.
qsizetype summaryCapacity(QStringView record, QStringView specifiedNeighbour)
{
    return record.size() + 2 * (std::max<qsizetype>(specifiedNeighbour.size(), 14)) + 96;
}

// Only for records of at least kSummarisedLength characters.
QStringView at(QStringView record, RecordField field)
{
    return record.sliced(field.position - 1, field.width);
}

void appendType(SummaryText &line, QStringView code)
{
    const int index = typeIndexOfCode(code);
    line += index >= 0 ? QStringView(trainTypes()[index]) : code;
}

void appendNumber(SummaryText &line, QStringView digits)
{
    if (!readDecimal(digits))
        throw Failure(kConversionError);
    qsizetype first = 0;
    while (first + 1 < digits.size() && digits[first] == u'0')
        ++first;
    line += u' ';
    line += digits.sliced(first);
}

void appendTime(SummaryText &line, QStringView record, RecordField hour, RecordField minute)
{
    line += kSeparator;
    line += at(record, hour);
    line += u':';
    line += at(record, minute);
}

void appendStation(SummaryText &line, const Timetable &timetable, QChar code)
{
    const int value = code >= u'0' && code <= u'9' ? code.unicode() - u'0' : -1;
    if (const auto name = neighbourShortName(timetable.simulator, value, timetable.specifiedNeighbour)) {
        line += kSeparator;
        line += *name;
    }
}

bool startsOrEndsHere(QStringView record, const BlockFields &block)
{
    return at(record, block.code).front() == QChar(u'0' + kOwnStationCode);
}

void appendArrival(SummaryText &line, QStringView record, const Timetable &timetable)
{
    const BlockFields &block = kArrivalBlock;
    if (startsOrEndsHere(record, block)) {
        line += kOriginating;
        return;
    }
    appendStation(line, timetable, at(record, block.code).front());
    appendTime(line, record, block.departureHour, block.departureMinute);
    if (passesNeighbour(at(record, Field::Passage).front()))
        line += kPassedNeighbour;
    appendTime(line, record, block.arrivalHour, block.arrivalMinute);
}

void appendDeparture(SummaryText &line, QStringView record, const Timetable &timetable)
{
    const BlockFields &block = kDepartureBlock;
    if (startsOrEndsHere(record, block)) {
        line += kTerminating;
        return;
    }
    appendStation(line, timetable, at(record, block.code).front());
    if (passesOwnStation(at(record, Field::Passage).front()))
        line += kPassingOwnStation;
    else
        appendTime(line, record, block.departureHour, block.departureMinute);
    appendTime(line, record, block.arrivalHour, block.arrivalMinute);
}

QString summarise(QStringView record, const Timetable &timetable)
{
    if (record.size() < kSummarisedLength)
        return record.toString();
    SummaryText line(summaryCapacity(record, timetable.specifiedNeighbour));
    appendType(line, at(record, Field::Type));
    appendNumber(line, at(record, Field::Number));
    appendArrival(line, record, timetable);
    line += kSeparator;
    line += at(record, Field::Track);
    line += kTrackSuffix;
    appendDeparture(line, record, timetable);
    if (record.size() > kBodyLength) {
        line += kSeparator;
        line += recordNote(record);
    }
    return line.take();
}

QString numberFailure(qsizetype lineNumber, QStringView record)
{
    return QStringLiteral("Řádek %1: „%2“ není číslo vlaku.")
        .arg(lineNumber)
        .arg(at(record, Field::Number));
}

} // namespace

QString summaryLine(QStringView record, QStringView simulatorName, QStringView specifiedNeighbour)
{
    return summarise(record, {simulatorIndex(simulatorName), specifiedNeighbour});
}

void decodeTrainList(const QStringList &documentLines, TrainList &list)
{
    list.summaries.clear();
    list.lines.clear();
    const auto headerLine = [&](int number) {
        return number <= documentLines.size() ? QStringView(documentLines[number - 1]) : QStringView();
    };
    const Timetable timetable{simulatorIndex(headerLine(HeaderLine::Simulator)),
                              headerLine(HeaderLine::SpecifiedNeighbour)};
    const qsizetype first = HeaderLine::FirstTrain - 1;
    if (documentLines.size() <= first)
        return;
    list.summaries.reserve(documentLines.size() - first);
    list.lines.reserve(documentLines.size() - first);
    for (qsizetype i = first; i < documentLines.size(); ++i) {
        const QString &record = documentLines[i];
        if (record.isEmpty())
            continue;
        try {
            list.summaries.append(summarise(record, timetable));
        } catch (const Failure &) {
            throw Failure(numberFailure(i + 1, record));
        }
        list.lines.append(int(i + 1));
    }
}

} // namespace tgx
