// Times what the checks across timetables cost for the five timetables of
// the main line: their statements (each timetable read once, as after a
// change of a document or a reading of a loaded file), the findings of each
// against the four others, and for comparison the graph of the line; medians
// of the processor time used.
#include "bench_support.h"
#include "line/cross_findings.h"
#include "line/line_graph.h"

#include <QCoreApplication>

#include <cstdio>

using namespace tgx;
using namespace tgx::bench;

namespace {

QList<TimetableStatements> statementsOfAll(const QList<QStringList> &timetables)
{
    QList<TimetableStatements> all;
    for (const QStringList &timetable : timetables)
        all << statementsOf(timetable);
    return all;
}

qsizetype findingsOfAll(const QList<TimetableStatements> &all)
{
    qsizetype findings = 0;
    for (int subject = 0; subject < all.size(); ++subject)
        findings += CrossTimetableFindings(all, subject).findings().size();
    return findings;
}

} // namespace

int main(int argc, char *argv[])
{
    keepFreedMemory();
    QCoreApplication application(argc, argv);
    std::printf("%9s %15s %13s %11s %11s %9s\n", "trains", "statements [ms]", "findings [ms]", "total [ms]",
                "graph [ms]", "findings");
    for (const int trains : sizesFrom(application.arguments().mid(1), {2000, 20000})) {
        const QList<QStringList> timetables = linkedTimetables(trains);
        const QList<TimetableStatements> all = statementsOfAll(timetables);
        const int runs = trains >= 20000 ? 11 : 41;
        const double statements = medianMs(runs, [&] { statementsOfAll(timetables); });
        const double findings = medianMs(runs, [&] { findingsOfAll(all); });
        const double graph = medianMs(runs, [&] { lineGraph(0, all); });
        std::printf("%9d %15.3f %13.3f %11.3f %11.3f %9lld\n", trains, statements, findings, statements + findings,
                    graph, qlonglong(findingsOfAll(all)));
    }
    return 0;
}
