// Times painting the whole day of the track occupancy chart: the chart's one
// paint function into an image the size of a typical window, zoomed out to
// the whole day, with the trains spread over the tracks of a simulator.
#include "occupancy/chart_content.h"
#include "occupancy/chart_frame.h"
#include "occupancy/chart_painter.h"
#include "trains/station_table.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace tgx;

namespace {

constexpr QSize kWindow(1000, 600);

TrainCategory categoryOf(int typeIndex)
{
    return typeIndex < 10 ? TrainCategory::Passenger : typeIndex < 18 ? TrainCategory::Freight : TrainCategory::Locomotive;
}

// A day of trains: a third pass through, the others stop for up to twenty
// minutes; some start or end here with ten estimated minutes, some run
// through midnight.
OccupancyPlan planOf(int trains, const QStringList &tracks)
{
    QRandomGenerator random(46);
    OccupancyPlan plan;
    for (const QString &track : tracks)
        plan.rows.append({track.at(0), {}});
    for (int i = 0; i < trains; ++i) {
        PlannedTrain train;
        train.line = 31 + i;
        train.number = 1000 + i;
        train.typeIndex = int(random.bounded(19));
        train.category = categoryOf(train.typeIndex);
        plan.trains.append(train);
        const int first = int(random.bounded(kDayMinutes));
        const int length = random.bounded(3) == 0 ? 0 : int(random.bounded(1, 21));
        const bool estimated = random.bounded(5) == 0;
        QList<OccupancyBar> &bars = plan.rows[int(random.bounded(tracks.size()))].bars;
        const int last = first + length;
        bars.append({i, first, std::min(last, kDayMinutes - 1), first, estimated ? first + 9 : first - 1});
        if (last >= kDayMinutes)
            bars.append({i, 0, last - kDayMinutes, 0, -1});
    }
    for (TrackRow &row : plan.rows) {
        std::sort(row.bars.begin(), row.bars.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        for (qsizetype i = 1; i < row.bars.size(); ++i) {
            if (row.bars[i].first <= row.bars[i - 1].last)
                plan.trains[row.bars[i].train].inConflict = plan.trains[row.bars[i - 1].train].inConflict = true;
        }
    }
    return plan;
}

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Wall-clock and processor times of runs paintings, each sorted. On a machine
// others share, the processor time shows the painting's own cost.
struct Times {
    std::vector<double> wall;
    std::vector<double> cpu;
};

Times paintTimes(const ChartContent &content, int runs)
{
    const ChartFrame frame{kWindow, TimeGrid(ChartLayout::kTrackColumnWidth,
                                             (kWindow.width() - ChartLayout::kTrackColumnWidth) / double(kDayMinutes)), 0};
    QFont font = QApplication::font();
    font.setPixelSize(QFontInfo(font).pixelSize());
    QImage image(kWindow, QImage::Format_RGB32);
    Times times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = threadCpuMs();
        QPainter painter(&image);
        paintChart(painter, content, frame, font);
        painter.end();
        times.cpu.push_back(threadCpuMs() - cpuStart);
        times.wall.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.wall.begin(), times.wall.end());
    std::sort(times.cpu.begin(), times.cpu.end());
    return times;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Train counts may be given as arguments; by default the three below.
    QList<int> sizes{100, 2000, 20000};
    if (argc > 1) {
        sizes.clear();
        for (int i = 1; i < argc; ++i)
            sizes << QByteArray(argv[i]).toInt();
    }
    const QStringList tracks = trackList(0);
    std::printf("whole day into %dx%d pixels, %lld tracks\n", kWindow.width(), kWindow.height(), qlonglong(tracks.size()));
    std::printf("%10s %8s %14s %14s %14s\n", "trains", "bars", "median [ms]", "p90 [ms]", "cpu median [ms]");
    for (const int trains : sizes) {
        ChartContent content;
        content.setPlan(planOf(trains, tracks));
        content.setSelectedLine(31 + trains / 2);
        qsizetype bars = 0;
        for (const TrackRow &row : content.plan().rows)
            bars += row.bars.size();
        const Times times = paintTimes(content, trains >= 20000 ? 31 : 101);
        const size_t median = times.wall.size() / 2;
        std::printf("%10d %8lld %14.3f %14.3f %14.3f\n", trains, qlonglong(bars), times.wall[median],
                    times.wall[times.wall.size() * 9 / 10], times.cpu[median]);
    }
    return 0;
}
