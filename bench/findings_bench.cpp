// Times the timetable checks that follow each change of the document text:
// the occupancy plan alone, the train list alone (what a change cost before
// the checks), and both from one decoding, as the main window runs them;
// medians of the processor time used.
// With --equal it plans 600,000 copies of one record instead and reports the
// time and the peak memory.
#include "bench_support.h"
#include "document/failure.h"
#include "occupancy/document_analysis.h"
#include "trains/summary_line.h"

#include <QCoreApplication>

#include <cstdio>

using namespace tgx;
using namespace tgx::bench;

namespace {

void listOnly(const QStringList &document)
{
    TrainList list;
    try {
        decodeTrainList(document, list);
    } catch (const Failure &) {
    }
}

int timeSizes(const QList<int> &sizes)
{
    std::printf("%9s %11s %11s %13s %11s %12s %9s\n", "trains", "list [ms]", "plan [ms]", "analysis [ms]",
                "added [ms]", "added/train", "findings");
    for (const int trains : sizes) {
        const QStringList document = sampleTimetable(trains);
        const int runs = trains >= 20000 ? 11 : 41;
        const double list = medianMs(runs, [&] { listOnly(document); });
        const double plan = medianMs(runs, [&] { planDocument(document); });
        const double analysis = medianMs(runs, [&] { analyseDocument(document); });
        const OccupancyPlan result = planDocument(document);
        std::printf("%9d %11.3f %11.3f %13.3f %11.3f %9.0f ns %9lld\n", trains, list, plan, analysis,
                    analysis - list, (analysis - list) * 1e6 / trains, qlonglong(result.findings.size()));
    }
    return 0;
}

int timeEqualTrains()
{
    const int trains = 600000;
    QStringList document(30);
    document[1] = QStringLiteral("Zelto ŽST Hutky");
    const QString record = QStringLiteral("1804521107050712070011207130740270000012013000000000000000000000000");
    for (int i = 0; i < trains; ++i)
        document << record;
    double start = threadMs();
    const qsizetype findings = planDocument(document).findings.size();
    const double plan = threadMs() - start;
    start = threadMs();
    analyseDocument(document);
    const double analysis = threadMs() - start;
    std::printf("%d equal trains: plan %.0f ms, analysis %.0f ms, %lld findings, peak memory %ld MB\n", trains, plan,
                analysis, qlonglong(findings), peakMemoryMb());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    keepFreedMemory();
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    if (arguments.contains(QStringLiteral("--equal")))
        return timeEqualTrains();
    return timeSizes(sizesFrom(arguments, {100, 2000, 20000, 100000}));
}
