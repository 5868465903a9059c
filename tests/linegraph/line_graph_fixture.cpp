#include "line_graph_fixture.h"

#include "document/file_bytes.h"
#include "linegraph/line_graph_page.h"
#include "linegraph/line_graph_view.h"
#include "occupancy/occupancy_chart.h"

#include <QLabel>
#include <QListView>
#include <algorithm>
#include <cmath>

namespace tgx::test {

QString hutkyTrain(const QString &arrival, const QString &departure)
{
    return record(4521, arrival, QStringLiteral("1"), departure);
}

QStringList vrbinovTimetable(int late)
{
    const QString arrival = QStringLiteral("2 %1 %2").arg(713 + late, 4, 10, QChar(u'0')).arg(740 + late, 4, 10, QChar(u'0'));
    return timetable(kVrbinov, {record(4521, arrival, QStringLiteral("1"), QStringLiteral("3 0745 0800"))},
                     QStringLiteral("Plavy"));
}

QString documentText(const QStringList &lines)
{
    return lines.join(u'\n') + u'\n';
}

void writeTimetable(const QString &path, const QStringList &lines)
{
    writeFile(path, FileBytes::fromText(documentText(lines)));
}

LineGraphPage *graphPage(App &app) { return app.main().findChild<LineGraphPage *>(QStringLiteral("L2")); }
LineGraphView *graphView(App &app) { return app.main().findChild<LineGraphView *>(QStringLiteral("L5")); }
OccupancyChart *chart(App &app) { return app.main().findChild<OccupancyChart *>(QStringLiteral("G9")); }

QStringList findingRows(App &app)
{
    const QAbstractItemModel *model = app.main().findChild<QListView *>(QStringLiteral("H2"))->model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row)
        rows << model->index(row, 0).data().toString();
    return rows;
}

QStringList loadedNames(App &app)
{
    QStringList names;
    for (const QLabel *label : graphPage(app)->findChildren<QLabel *>(QStringLiteral("L7")))
        names << label->text();
    return names;
}

QPoint graphPoint(App &app, const QString &station, double minute)
{
    const LineGraphView *view = graphView(app);
    const GraphFrame frame = view->frame();
    const QList<GraphRow> &rows = view->content().graph().rows;
    const auto row = std::find_if(rows.cbegin(), rows.cend(), [&](const GraphRow &r) { return r.station == station; });
    if (row == rows.cend())
        return QPoint(-1, -1);
    return QPoint(int(std::floor(frame.grid.x(minute))), int(std::lround(frame.y(row->y))));
}

} // namespace tgx::test
