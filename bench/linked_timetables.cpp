#include "bench_support.h"

#include "trains/decoded_record.h"
#include "trains/train_record.h"

namespace tgx::bench {

namespace {

// A simulator on the main line: where its own station stands (Plavy 0 to
// Obora - Mrázov 7) and the codes of the stations before and after it.
struct OnTheLine {
    QString simulator;
    QString specified; // header line 7
    int position;
    int previousCode;
    int nextCode;
};

const QList<OnTheLine> &simulatorsOnTheLine()
{
    static const QList<OnTheLine> simulators = {
        {QStringLiteral("Zelto ŽST Vrbinov"), QStringLiteral("Plavy"), 1, 1, 2},
        {QStringLiteral("Zelto ŽST Hutky"), {}, 2, 2, 1},
        {QStringLiteral("Zelto ŽST Zálesí"), QStringLiteral("Loučkovice"), 3, 2, 1},
        {QStringLiteral("Zelto ŽST Dolanov"), QStringLiteral("Loučkovice"), 5, 2, 3},
        {QStringLiteral("Zelto ŽST Olšanov"), {}, 6, 1, 2},
    };
    return simulators;
}

constexpr int kStations = 8; // Plavy to Obora - Mrázov

RunEntry run(int code, int departure, int arrival)
{
    departure %= kMinutesPerDay;
    arrival %= kMinutesPerDay;
    return {false, code, departure / 60, departure % 60, arrival / 60, arrival % 60};
}

// Train i's record in the timetable of simulator: train i runs the whole
// line, down or up, from a minute of the day on, standing a minute in each
// station.
QString recordOf(const OnTheLine &simulator, int i, int number, int lateness)
{
    const bool down = i % 2 == 0;
    const int start = (i * 37) % kMinutesPerDay;
    const int section = 6 + i % 5;
    const int stops = down ? simulator.position : kStations - 1 - simulator.position;
    const int arrival = start + stops * (section + 1) - 1 + lateness;
    TrainEntry entry;
    entry.typeIndex = 8 + i % 3;
    entry.number = QString::number(number);
    entry.arrival = run(down ? simulator.previousCode : simulator.nextCode, arrival - section, arrival);
    entry.track = QString(QChar(u'1' + i % 2));
    entry.departure = run(down ? simulator.nextCode : simulator.previousCode, arrival + 1, arrival + 1 + section);
    entry.vehicles.fill(QStringLiteral("000"));
    return composeRecord(entry);
}

} // namespace

// One train in a hundred is two minutes late in one of the timetables, one
// in two hundred is missing from one, and one in five hundred has the number
// of the train before it in one.
QList<QStringList> linkedTimetables(int trains)
{
    QList<QStringList> timetables;
    const QList<OnTheLine> &simulators = simulatorsOnTheLine();
    for (int s = 0; s < simulators.size(); ++s) {
        QStringList lines(30);
        lines[1] = simulators[s].simulator;
        lines[6] = simulators[s].specified;
        for (int i = 0; i < trains; ++i) {
            if (i % 200 == 13 && (i / 200) % simulators.size() == s)
                continue;
            const int lateness = i % 100 == 7 && (i / 100) % simulators.size() == s ? 2 : 0;
            const bool renumbered = i % 500 == 99 && (i / 500) % simulators.size() == s;
            lines << recordOf(simulators[s], i, 4 * (renumbered ? i - 1 : i) + 1, lateness);
        }
        timetables << lines;
    }
    return timetables;
}

} // namespace tgx::bench
