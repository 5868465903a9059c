// Times painting the whole day of the track occupancy chart: the chart's one
// paint function into an image the size of a typical window, zoomed out to
// the whole day, with the plan of a timetable such as a person makes.
#include "bench_support.h"
#include "occupancy/chart_content.h"
#include "occupancy/chart_frame.h"
#include "occupancy/chart_painter.h"
#include "occupancy/document_analysis.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tgx;
using namespace tgx::bench;

namespace {

constexpr QSize kWindow(1000, 600);

// Wall-clock and processor times of runs paintings, each sorted. On a machine
// others share, the processor time shows the painting's own cost.
struct Times {
    std::vector<double> wall;
    std::vector<double> cpu;
};

Times paintTimes(const ChartContent &content, int runs)
{
    const ChartFrame frame{kWindow, TimeGrid(ChartLayout::kTrackColumnWidth,
                                             (kWindow.width() - ChartLayout::kTrackColumnWidth) / double(kMinutesPerDay)), 0,
                            content.rowOffsets()};
    QFont font = QApplication::font();
    font.setPixelSize(QFontInfo(font).pixelSize());
    QImage image(kWindow, QImage::Format_RGB32);
    Times times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = threadMs();
        QPainter painter(&image);
        paintChart(painter, content, frame, font);
        painter.end();
        times.cpu.push_back(threadMs() - cpuStart);
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
    const QList<int> sizes = sizesFrom(application.arguments().mid(1), {100, 2000, 20000});
    std::printf("whole day into %dx%d pixels\n", kWindow.width(), kWindow.height());
    std::printf("%10s %8s %14s %14s %14s\n", "trains", "bars", "median [ms]", "p90 [ms]", "cpu median [ms]");
    for (const int trains : sizes) {
        ChartContent content;
        content.setPlan(planDocument(sampleTimetable(trains)));
        content.setSelectedLines({31 + trains / 2});
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
