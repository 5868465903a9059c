// Times the line's graph for two days: copies of one timetable under the
// neighbours' names (whose joined trains zigzag) and linked timetables (whose
// trains agree along the line). What follows one keystroke in the source view
// of a 2,000-train document without and with four loaded timetables of 2,000
// trains (with the source view shown, and with the graph shown, when the
// graph is drawn up again as well); painting the whole day of all five at a
// screen's size, and a step of a drag over the rest painted before.
// Processor times, medians.
#include "app_fixture.h"
#include "bench_support.h"
#include "document/file_bytes.h"
#include "line/line_catalogue.h"
#include "linegraph/graph_content.h"
#include "linegraph/graph_frame.h"
#include "linegraph/graph_painter.h"
#include "linegraph/line_graph_page.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTest>

#include <cstdio>

using namespace tgx;
using namespace tgx::bench;

namespace {

constexpr int kTrains = 2000;
const QStringList kNeighbours = {QStringLiteral("Zelto ŽST Hutky"), QStringLiteral("Zelto ŽST Zálesí"),
                                 QStringLiteral("Zelto ŽST Dolanov"), QStringLiteral("Zelto ŽST Olšanov")};

// The sample timetable as another simulator's: the same trains, so that they join and are compared.
QStringList neighbourTimetable(const QString &simulator)
{
    QStringList lines = sampleTimetable(kTrains);
    lines[1] = simulator;
    return lines;
}

// The day of five copies of the sample timetable, the document's first.
QList<QStringList> copiedDay()
{
    QList<QStringList> day{sampleTimetable(kTrains)};
    for (const QString &simulator : kNeighbours)
        day << neighbourTimetable(simulator);
    return day;
}

QStringList writeNeighbours(const QString &folder, const QList<QStringList> &neighbours)
{
    QStringList paths;
    for (const QStringList &lines : neighbours) {
        paths << folder + QStringLiteral("/%1.46g").arg(paths.size());
        QFile file(paths.last());
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(FileBytes::fromText(lines.join(u'\n') + u'\n'));
    }
    return paths;
}

double keystrokeMs(test::App &app, const char *view)
{
    app.trigger(view);
    auto *source = app.main().findChild<QPlainTextEdit *>(QStringLiteral("B0"));
    QTextCursor cursor(source->document());
    cursor.movePosition(QTextCursor::End);
    cursor.movePosition(QTextCursor::PreviousBlock);
    cursor.movePosition(QTextCursor::EndOfBlock);
    source->setTextCursor(cursor);
    bool typeLetter = true;
    return medianMs(31, [&] {
        QTest::keyClick(source, typeLetter ? Qt::Key_X : Qt::Key_Backspace);
        typeLetter = !typeLetter;
    });
}

// day: the document's lines, then the four neighbours'.
void timeKeystrokes(const char *name, const QList<QStringList> &day)
{
    test::App app;
    app.main().show();
    app.lines().setText(day.first().join(u'\n') + u'\n');
    const double alone = keystrokeMs(app, "F0");
    const double aloneGraph = keystrokeMs(app, "L0");
    app.main().findChild<LineGraphPage *>(QStringLiteral("L2"))->loaded().add(
        writeNeighbours(app.dir.path(), day.mid(1)), QStringLiteral("Vrbinov"));
    const double loaded = keystrokeMs(app, "F0");
    const double loadedGraph = keystrokeMs(app, "L0");
    std::printf("keystroke, %s day, %d trains, source view shown: alone %.3f ms, with four loaded %.3f ms, "
                "ratio %.2f\n", name, kTrains, alone, loaded, loaded / alone);
    std::printf("keystroke, %s day, %d trains, graph shown:       alone %.3f ms, with four loaded %.3f ms, "
                "ratio %.2f\n", name, kTrains, aloneGraph, loadedGraph, loadedGraph / aloneGraph);
}

void timePainting(const char *day, const QList<QStringList> &documents)
{
    QList<TimetableStatements> timetables;
    for (const QStringList &lines : documents)
        timetables << statementsOf(lines);
    GraphContent content;
    LineGraph graph = lineGraph(0, timetables);
    const qsizetype trains = graph.trains.size();
    content.setGraph(std::move(graph));
    QImage image(1400, 800, QImage::Format_RGB32);
    const double ppm = (image.width() - GraphLayout::kNameColumnWidth) / double(kMinutesPerDay);
    const GraphFrame frame{image.size(), TimeGrid(GraphLayout::kNameColumnWidth, ppm),
                           graphYScale(content.graph().height(), image.height() - GraphLayout::kHeaderHeight), 0};
    QFont font;
    font.setPixelSize(11);
    const double paint = medianMs(15, [&] {
        QPainter painter(&image);
        paintLineGraph(painter, content, frame, font);
    });
    // A step of a drag: the rest as painted before, the dragged train over it.
    content.setSelectedLine(content.graph().trains[trains / 2].documentLine);
    QImage unselected(image.size(), image.format());
    {
        QPainter painter(&unselected);
        paintUnselectedTrains(painter, content, frame, font);
    }
    int shift = 0;
    const double drag = medianMs(15, [&] {
        content.setDragShift(++shift);
        QPainter painter(&image);
        painter.drawImage(0, 0, unselected);
        paintSelectedTrain(painter, content, frame, font);
    });
    std::printf("painting the whole day of five %s timetables (%lld trains on the graph, %dx%d): %.3f ms, "
                "a step of a drag: %.3f ms\n",
                day, qlonglong(trains), image.width(), image.height(), paint, drag);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    keepFreedMemory();
    QApplication application(argc, argv);
    timeKeystrokes("copied", copiedDay());
    timeKeystrokes("linked", linkedTimetables(kTrains));
    timePainting("copied", copiedDay());
    timePainting("linked", linkedTimetables(kTrains));
    return 0;
}
