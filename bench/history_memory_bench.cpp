// Measures the memory the document's undo history holds: a timetable of
// 100,000 trains (or the size given) is opened, one train is repeated 100
// times through the "Opakovat vlak" dialog, and the trains are sorted once;
// the memory in use on the heap is read before and after, and after undoing
// it all.
#include "app_fixture.h"
#include "bench_support.h"
#include "document/train_list_model.h"

#include <QApplication>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

#include <malloc.h>

#include <cstdio>

using namespace tgx;
using namespace tgx::bench;

namespace {

// Memory the program holds on the heap now; unlike the resident memory, it
// falls when memory is freed.
double heapMb()
{
    const struct mallinfo2 heap = mallinfo2();
    return double(heap.uordblks + heap.hblkhd) / (1024 * 1024);
}

void repeatSelectedTrain(test::App &app)
{
    auto *list = app.main().findChild<QListView *>(QStringLiteral("B1"));
    list->setCurrentIndex(list->model()->index(0, 0));
    app.trigger("G4");
    QTest::mouseClick(app.forms->A5.findChild<QPushButton *>(QStringLiteral("B7")), Qt::LeftButton);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int trains = sizesFrom(application.arguments().mid(1), {100000}).first();
    const int repeats = 100;
    test::App app;
    app.lines().setText(sampleTimetable(trains).join(u'\n') + u'\n');
    QTextDocument *history = app.main().findChild<QPlainTextEdit *>(QStringLiteral("B0"))->document();
    const double opened = heapMb();

    const double start = threadMs();
    for (int i = 0; i < repeats; ++i)
        repeatSelectedTrain(app);
    const double repeated = heapMb();
    const double repeatMs = (threadMs() - start) / repeats;
    app.trigger("G6");
    const double sorted = heapMb();
    int steps = 0;
    for (; history->isUndoAvailable(); ++steps)
        app.trigger("G1");
    const double undone = heapMb();

    std::printf("%d trains: opened %.1f MB; after %d repeats %.1f MB (+%.1f MB, %.1f kB a repeat, %.0f ms a repeat); "
                "after sorting %.1f MB (+%.1f MB); %d steps undone: %.1f MB, %d trains\n",
                trains, opened, repeats, repeated, repeated - opened, (repeated - opened) * 1024 / repeats, repeatMs,
                sorted, sorted - repeated, steps, undone, app.trainList().rowCount());
    return app.trainList().rowCount() == trains ? 0 : 1;
}
