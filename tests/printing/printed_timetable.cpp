#include "printed_timetable.h"

#include "document/header_lines.h"
#include "trains/decoded_record.h"
#include "timetable_records.h"

#include <algorithm>

namespace tgx::test {

namespace {

QString hhmm(int minute)
{
    return clockText(minute % kMinutesPerDay).remove(u':');
}

QStringList namesBy(QList<GeneratedTrain> trains, int GeneratedTrain::*minute)
{
    std::stable_sort(trains.begin(), trains.end(),
                     [minute](const GeneratedTrain &a, const GeneratedTrain &b) { return a.*minute < b.*minute; });
    QStringList names;
    for (const GeneratedTrain &train : trains)
        names << train.name;
    return names;
}

} // namespace

QList<GeneratedTrain> generatedTrains(int count)
{
    QList<GeneratedTrain> trains;
    for (int i = 0; i < count; ++i) {
        const int arrival = (i * 37) % (kMinutesPerDay - 10) / 2 * 2; // pairs of trains share a minute now and then
        const int stop = i % 7 == 0 ? 0 : 2;                          // every seventh passes
        trains.append({QStringLiteral("Os %1").arg(1000 + i), arrival, arrival + stop});
    }
    return trains;
}

QStringList generatedTimetable(const QList<GeneratedTrain> &trains)
{
    QStringList records;
    for (qsizetype i = 0; i < trains.size(); ++i) {
        const GeneratedTrain &train = trains[i];
        const QString from = QStringLiteral("1 %1 %2").arg(hhmm(train.arrival + kMinutesPerDay - 9), hhmm(train.arrival));
        const QString to = QStringLiteral("2 %1 %2").arg(hhmm(train.departure), hhmm(train.departure + 12));
        const QChar passage = train.departure == train.arrival ? u'2' : u'1';
        records << record(int(1000 + i), from, QStringLiteral("1"), to, QStringLiteral("18"), passage);
    }
    QStringList lines = timetable(kHutky, records);
    lines[HeaderLine::Name - 1] = kTimetableName;
    return lines;
}

QStringList namesByDeparture(QList<GeneratedTrain> trains)
{
    return namesBy(std::move(trains), &GeneratedTrain::departure);
}

QStringList namesByArrival(QList<GeneratedTrain> trains)
{
    return namesBy(std::move(trains), &GeneratedTrain::arrival);
}

} // namespace tgx::test
