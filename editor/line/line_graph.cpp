#include "line/line_graph.h"

#include "line/cross_findings.h"
#include "line/line_catalogue.h"
#include "line/line_graph_builder.h"

namespace tgx {

LineGraph lineGraph(int line, const QList<TimetableStatements> &timetables)
{
    if (line < 0 || line >= railLines().size() || timetables.isEmpty())
        return {};
    QList<CrossTimetableFindings> findings;
    for (int t = 0; t < timetables.size(); ++t)
        findings << CrossTimetableFindings(timetables, t);
    LineGraphBuilder builder;
    builder.setLoaded(line, timetables.mid(1));
    return builder.build(timetables.first(), findings);
}

} // namespace tgx
