#include "trains/train_record.h"

#include "trains/train_types.h"

namespace tgx {

namespace {

constexpr int kNumberWidth = 5;

// A block of a train that starts or ends in the own station.
constexpr QStringView kEmptyBlock = u"0000000000000";

void appendTwoDigits(QString &record, int value)
{
    record += QChar(u'0' + value / 10);
    record += QChar(u'0' + value % 10);
}

void appendRun(QString &record, const RunEntry &run)
{
    if (run.ownStationEnd) {
        record += kEmptyBlock;
        return;
    }
    record += QChar(u'0' + run.neighbourCode);
    appendTwoDigits(record, run.departureHour);
    appendTwoDigits(record, run.departureMinute);
    appendTwoDigits(record, run.arrivalHour);
    appendTwoDigits(record, run.arrivalMinute);
    appendTwoDigits(record, runningTime(run.departureMinute, run.arrivalMinute));
    record += u"00";
}

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// A line break would split the record into two document lines, so the note
// gets a blank in its place.
void appendNote(QString &record, const QString &note)
{
    for (QChar c : note)
        record += isLineBreak(c) ? QChar(u' ') : c;
}

} // namespace

QString composeRecord(const TrainEntry &entry)
{
    QString record;
    record.reserve(kBodyLength + entry.note.size());
    record += typeCode(entry.typeIndex);
    record += entry.number.rightJustified(kNumberWidth, u'0');
    appendRun(record, entry.arrival);
    record += entry.track.isEmpty() ? kNoTrack : entry.track.front();
    record += passageCode(entry.passesNeighbour, entry.passesOwnStation);
    appendRun(record, entry.departure);
    record += u"00";
    for (const QString &vehicle : entry.vehicles)
        record += vehicle;
    appendNote(record, entry.note);
    return record;
}

int runningTime(int departureMinute, int arrivalMinute)
{
    if (departureMinute < arrivalMinute)
        return arrivalMinute - departureMinute;
    return 60 - (departureMinute - arrivalMinute);
}

} // namespace tgx
