// Times writing a timetable's trains as a table and reading the table back
// into records: processor times, medians. The sample's few broken lines,
// which a table import refuses, are left out first, so that every row of the
// timed import becomes a train.
#include "bench_support.h"
#include "document/header_lines.h"
#include "exchange/table_export.h"
#include "exchange/table_import.h"
#include "trains/timetable_context.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

using namespace tgx;
using namespace tgx::bench;

namespace {

// The sample timetable without the records an import refuses.
QStringList importableTimetable(int trains)
{
    QStringList document = sampleTimetable(trains);
    const TableImport first = importTrainTable(exportTrainTable(document), timetableContextOf(document));
    QList<int> refusedLines; // row r of the table is document line 29 + r
    for (const Refusal &refusal : first.refusals)
        refusedLines << HeaderLine::Count - 1 + refusal.row;
    std::sort(refusedLines.begin(), refusedLines.end());
    refusedLines.erase(std::unique(refusedLines.begin(), refusedLines.end()), refusedLines.end());
    for (auto line = refusedLines.rbegin(); line != refusedLines.rend(); ++line)
        document.removeAt(*line - 1);
    return document;
}

} // namespace

int main(int argc, char *argv[])
{
    keepFreedMemory();
    QCoreApplication application(argc, argv);
    const QList<int> sizes = sizesFrom(application.arguments().mid(1), {2000, 20000, 100000});
    std::printf("%9s %11s %11s %11s %9s\n", "trains", "export [ms]", "import [ms]", "table [kB]", "same");
    for (const int trains : sizes) {
        const QStringList document = importableTimetable(trains);
        const TimetableContext context = timetableContextOf(document);
        const int runs = trains >= 20000 ? 9 : 31;
        QByteArray table;
        const double exporting = medianMs(runs, [&] { table = exportTrainTable(document); });
        TableImport result;
        const double importing = medianMs(runs, [&] { result = importTrainTable(table, context); });
        const bool same = result.refusals.isEmpty() && result.records == document.mid(HeaderLine::Count);
        std::printf("%9lld %11.1f %11.1f %11lld %9s\n", qlonglong(result.records.size()), exporting, importing,
                    qlonglong(table.size() / 1024), same ? "yes" : "NO");
    }
    return 0;
}
