// Measures the document's history on a timetable of 100,000 trains (or the
// size given): the time "Opakovat vlak" takes to write 99 copies; the heap
// memory 100 repeats of one copy and a sort add to the history; and the
// memory of the whole process (resident, not only the heap) over ten cycles
// of sorting the trains and undoing the sort.
#include "app_fixture.h"
#include "bench_support.h"
#include "document/train_list_model.h"
#include "editing/range_field.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include <malloc.h>

#include <cstdio>

using namespace tgx;
using namespace tgx::bench;

namespace {

constexpr int kCycles = 10;

// Memory the program holds on the heap now; unlike the resident memory, it
// falls when memory is freed.
double heapMb()
{
    const struct mallinfo2 heap = mallinfo2();
    return double(heap.uordblks + heap.hblkhd) / (1024 * 1024);
}

void repeatFirstTrain(test::App &app, int copies)
{
    auto *list = app.main().findChild<QListView *>(QStringLiteral("B1"));
    list->setCurrentIndex(list->model()->index(0, 0));
    app.trigger("G4");
    app.forms->A5.findChild<RangeField *>(QStringLiteral("B1"))->setNumber(copies);
    QTest::mouseClick(app.forms->A5.findChild<QPushButton *>(QStringLiteral("B7")), Qt::LeftButton);
}

// Wall-clock and processor milliseconds of 99 copies, then undone.
void timeNinetyNineCopies(test::App &app)
{
    QElapsedTimer clock;
    clock.start();
    const double start = threadMs();
    repeatFirstTrain(app, 99);
    std::printf("99 copies: %lld ms on the clock, %.0f ms of processor time, %d trains\n",
                static_cast<long long>(clock.elapsed()), threadMs() - start, app.trainList().rowCount());
    app.trigger("G1");
}

void measureRepeatsAndSort(test::App &app, int trains)
{
    constexpr int kRepeats = 100;
    app.lines().setText(sampleTimetable(trains).join(u'\n') + u'\n'); // with an empty history
    const double opened = heapMb();
    const double start = threadMs();
    for (int i = 0; i < kRepeats; ++i)
        repeatFirstTrain(app, 1);
    const double repeated = heapMb();
    const double repeatMs = (threadMs() - start) / kRepeats;
    app.trigger("G6");
    const double sorted = heapMb();
    for (int i = 0; i <= kRepeats; ++i)
        app.trigger("G1");
    const double undone = heapMb();
    std::printf("%d trains, heap: opened %.1f MB; after %d repeats %.1f MB (+%.1f MB, %.1f kB a repeat, %.0f ms a "
                "repeat); after sorting %.1f MB (+%.1f MB); all undone: %.1f MB, %d trains\n",
                trains, opened, kRepeats, repeated, repeated - opened, (repeated - opened) * 1024 / kRepeats, repeatMs,
                sorted, sorted - repeated, undone, app.trainList().rowCount());
}

// Sorting and undoing, ten times: the memory after the last cycle against
// the memory after the first.
double measureSortCycles(test::App &app)
{
    std::printf("process memory: opened %.1f MB\n", residentMemoryMb());
    double first = 0;
    for (int cycle = 1; cycle <= kCycles; ++cycle) {
        app.trigger("G6");
        const double sorted = residentMemoryMb();
        app.trigger("G1");
        const double undone = residentMemoryMb();
        first = cycle == 1 ? undone : first;
        std::printf("cycle %2d: sorted %.1f MB, undone %.1f MB (heap %.1f MB)\n", cycle, sorted, undone, heapMb());
    }
    const double last = residentMemoryMb();
    std::printf("after %d cycles: %.1f MB, %+.1f %% of the memory after the first cycle\n", kCycles, last,
                (last - first) * 100 / first);
    return (last - first) / first;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int trains = sizesFrom(application.arguments().mid(1), {100000}).first();
    test::App app;
    app.lines().setText(sampleTimetable(trains).join(u'\n') + u'\n');

    timeNinetyNineCopies(app);
    const double growth = measureSortCycles(app);
    measureRepeatsAndSort(app, trains);
    return app.trainList().rowCount() == trains && growth < 0.1 ? 0 : 1;
}
