#include "bench_support.h"

#include "trains/decoded_record.h"

#include <QFile>

#include <malloc.h>
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <vector>

namespace tgx::bench {

namespace {

const QString kSimulator = QStringLiteral("Zelto ŽST Vrbinov");
const QString kTracks = QStringLiteral("75312"); // and "0" for every tenth train

// Small deterministic random numbers, so every run times the same document.
class Random {
public:
    int below(int bound) { return int((m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL) >> 33) % bound; }

private:
    quint64 m_state = 42;
};

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, u'0');
}

QString clock(int minutes)
{
    minutes = (minutes % kMinutesPerDay + kMinutesPerDay) % kMinutesPerDay;
    return twoDigits(minutes / 60) + twoDigits(minutes % 60);
}

QString block(int code, int departure, int arrival)
{
    return QString::number(code) + clock(departure) + clock(arrival) + twoDigits(std::max(1, (arrival - departure) % 60)) + QStringLiteral("00");
}

// Train i of a timetable such as a person makes: each track is filled
// through the day train after train, a stay of 1 to 2 minutes and a gap of 1
// to 2, and ten more minutes for a train that starts or ends here (one in
// forty each), so that trains on one track meet only when the timetable
// holds more trains than a day has room for, or, for one train in a hundred,
// which comes at a random time. Trains run to and from three neighbours, one
// in fifty faster than the others, so that it may overtake them. One line in
// a thousand is broken, one number in two hundred repeated.
QString trainRecord(int i, Random &random, std::vector<int> &trackClock)
{
    if (i % 1000 == 999)
        return i % 2000 == 999 ? QStringLiteral("18045") : QStringLiteral("1800123125610712070011207130740270000012013000000000000000000000000");
    const int type = 10 + random.below(19);
    const int number = i % 200 == 199 ? (i - 100) % 100000 : i % 100000;
    const int trackIndex = i % 10 == 9 ? int(kTracks.size()) : random.below(int(kTracks.size()));
    const QChar track = trackIndex < kTracks.size() ? kTracks[trackIndex] : u'0';
    const int kind = random.below(40);
    const bool originating = kind == 0;
    const bool terminating = kind == 1;
    const int stay = 1 + random.below(2);
    int arrival = random.below(kMinutesPerDay);
    if (random.below(100) != 0) {
        int &free = trackClock[trackIndex];
        arrival = free + (originating ? 10 : 0);
        free = arrival + stay + 1 + random.below(2) + (terminating ? 10 : 0);
    }
    const int trip = random.below(50) == 0 ? 14 : 20;
    const QString from = originating ? QString(13, u'0') : block(1 + random.below(3), arrival - trip, arrival);
    const QString to = terminating ? QString(13, u'0') : block(1 + random.below(3), arrival + stay, arrival + stay + trip);
    return QString::number(type) + QString::number(number).rightJustified(5, u'0') + from + track + u'1' + to
           + QStringLiteral("00") + QString(30, u'0') + QStringLiteral("poznámka");
}

} // namespace

QStringList sampleTimetable(int trains)
{
    QStringList lines(30);
    lines[1] = kSimulator;
    lines[6] = QStringLiteral("Plavy");
    Random random;
    std::vector<int> trackClock(kTracks.size() + 1, 0); // and track "0"
    for (int i = 0; i < trains; ++i)
        lines << trainRecord(i, random, trackClock);
    return lines;
}

// Milliseconds of processor time this thread has used: unlike the time on
// the clock, it does not grow when other programs share the cores.
double threadMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double medianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = threadMs();
        work();
        times.push_back(threadMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void keepFreedMemory()
{
    mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 1024 * 1024 * 1024);
    mallopt(M_TOP_PAD, 64 * 1024 * 1024);
}

long peakMemoryMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

double residentMemoryMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024; // given in kB
    }
    return -1;
}

QList<int> sizesFrom(const QStringList &arguments, const QList<int> &defaults)
{
    QList<int> sizes;
    for (const QString &argument : arguments) {
        if (!argument.startsWith(u'-'))
            sizes << argument.toInt();
    }
    return sizes.isEmpty() ? defaults : sizes;
}

} // namespace tgx::bench
