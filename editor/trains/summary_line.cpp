#include "trains/summary_line.h"

#include "document/failure.h"
#include "document/header_lines.h"
#include "document/simulator_catalogue.h"
#include "trains/decoded_record.h"
#include "trains/station_table.h"
#include "trains/train_types.h"

#include <algorithm>

namespace tgx {

namespace {

constexpr QStringView kSeparator = u" - ";
constexpr QStringView kOriginating = u" - ( výchozí )";
constexpr QStringView kTerminating = u" - ( končící )";
constexpr QStringView kPassingOwnStation = u" - průjezd";
constexpr QStringView kPassedNeighbour = u"pr";
constexpr QStringView kTrackSuffix = u".kol";

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

void appendType(SummaryText &line, const DecodedRecord &record)
{
    line += shownType(record.typeIndex(), record.type.text());
}

void appendNumber(SummaryText &line, const FieldValue &number)
{
    if (!number.isNumber())
        throw Failure(kConversionError);
    const QStringView digits = number.text();
    qsizetype first = 0;
    while (first + 1 < digits.size() && digits[first] == u'0')
        ++first;
    line += u' ';
    line += digits.sliced(first);
}

void appendTime(SummaryText &line, const FieldValue &hour, const FieldValue &minute)
{
    line += kSeparator;
    line += hour.text();
    line += u':';
    line += minute.text();
}

void appendStation(SummaryText &line, const TimetableContext &timetable, const FieldValue &code)
{
    const int value = code.isNumber() ? code.value() : -1;
    if (const auto name = neighbourShortName(timetable.simulator, value, timetable.specifiedNeighbour)) {
        line += kSeparator;
        line += *name;
    }
}

void appendArrival(SummaryText &line, const DecodedRecord &record, const TimetableContext &timetable)
{
    const DecodedRun &run = record.arrival;
    if (run.startsOrEndsHere()) {
        line += kOriginating;
        return;
    }
    appendStation(line, timetable, run.code);
    appendTime(line, run.departureHour, run.departureMinute);
    if (record.passesNeighbour())
        line += kPassedNeighbour;
    appendTime(line, run.arrivalHour, run.arrivalMinute);
}

void appendDeparture(SummaryText &line, const DecodedRecord &record, const TimetableContext &timetable)
{
    const DecodedRun &run = record.departure;
    if (run.startsOrEndsHere()) {
        line += kTerminating;
        return;
    }
    appendStation(line, timetable, run.code);
    if (record.passesOwnStation())
        line += kPassingOwnStation;
    else
        appendTime(line, run.departureHour, run.departureMinute);
    appendTime(line, run.arrivalHour, run.arrivalMinute);
}

QString numberFailure(int lineNumber, const DecodedRecord &record)
{
    return QStringLiteral("Řádek %1: „%2“ není číslo vlaku.").arg(lineNumber).arg(record.number.text());
}

} // namespace

QString summaryLine(const DecodedRecord &record, const TimetableContext &timetable)
{
    if (!record.holdsTimetable())
        return record.line().toString();
    SummaryText line(summaryCapacity(record.line(), timetable.specifiedNeighbour));
    appendType(line, record);
    appendNumber(line, record.number);
    appendArrival(line, record, timetable);
    line += kSeparator;
    line += record.track.text();
    line += kTrackSuffix;
    appendDeparture(line, record, timetable);
    if (record.line().size() > kBodyLength) {
        line += kSeparator;
        line += record.note();
    }
    return line.take();
}

QString summaryLine(QStringView record, QStringView simulatorName, QStringView specifiedNeighbour)
{
    return summaryLine(DecodedRecord(record), {simulatorIndex(simulatorName), specifiedNeighbour, simulatorName});
}

QString TrainList::summary(qsizetype item) const
{
    return summaryLine(DecodedRecord(records.at(item)), {simulator, specifiedNeighbour, {}});
}

QStringList TrainList::summaries() const
{
    QStringList all;
    all.reserve(size());
    for (qsizetype item = 0; item < size(); ++item)
        all << summary(item);
    return all;
}

TrainListBuilder::TrainListBuilder(const QStringList &documentLines)
    : m_documentLines(documentLines)
{
    const TimetableContext timetable = timetableContextOf(documentLines);
    m_list.simulator = timetable.simulator;
    m_list.specifiedNeighbour = timetable.specifiedNeighbour.toString();
    const qsizetype expected = std::max<qsizetype>(documentLines.size() - (HeaderLine::FirstTrain - 1), 0);
    m_list.records.reserve(expected);
    m_list.lines.reserve(expected);
}

// A record's summary line can be made unless its train number is not decimal.
void TrainListBuilder::add(int lineNumber, const DecodedRecord &record)
{
    if (m_failure)
        return;
    if (record.holdsTimetable() && !record.number.isNumber()) {
        m_failure = numberFailure(lineNumber, record);
        return;
    }
    m_list.records.append(m_documentLines.at(lineNumber - 1));
    m_list.lines.append(lineNumber);
}

void forEachRecord(const QStringList &documentLines, const std::function<void(int, const DecodedRecord &)> &visit)
{
    for (qsizetype i = HeaderLine::FirstTrain - 1; i < documentLines.size(); ++i) {
        if (!documentLines[i].isEmpty())
            visit(int(i + 1), DecodedRecord(documentLines[i]));
    }
}

void decodeTrainList(const QStringList &documentLines, TrainList &list)
{
    TrainListBuilder builder(documentLines);
    forEachRecord(documentLines, [&](int lineNumber, const DecodedRecord &record) { builder.add(lineNumber, record); });
    list = builder.take();
    if (builder.failure())
        throw Failure(*builder.failure());
}

} // namespace tgx
