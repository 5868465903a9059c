#include "linegraph/graph_content.h"
#include "linegraph/graph_frame.h"

#include <QTest>

using namespace tgx;

namespace {

GraphTrain train(int number, int documentLine, const QList<std::pair<int, int>> &minutesAndRows)
{
    GraphTrain made;
    made.number = number;
    made.documentLine = documentLine;
    for (const auto &[minute, row] : minutesAndRows)
        made.points.append({minute, row, StationEvent::Departure, 0, documentLine});
    return made;
}

// Three stations 100 apart, and three trains: Os 1 of the document running
// down from A (01:00) to C with a stand at B (01:20 to 01:22); Os 2 of a
// loaded timetable running up from C (01:50) to A; Os 3 of the document
// running down from A at 23:50 to C at 00:10, through midnight.
GraphContent sampleContent()
{
    LineGraph graph;
    graph.rows = {{QStringLiteral("A"), 0, false}, {QStringLiteral("B"), 100, true}, {QStringLiteral("C"), 200, false}};
    graph.trains = {train(1, 31, {{60, 0}, {80, 1}, {82, 1}, {100, 2}}), train(2, 0, {{110, 2}, {130, 0}}),
                    train(3, 32, {{1430, 0}, {1450, 2}})};
    graph.trains[1].hasFinding = true;
    GraphContent content;
    content.setGraph(graph);
    return content;
}

// Two pixels a minute, rows as they stand.
const GraphFrame kFrame{QSize(3200, 400), TimeGrid(GraphLayout::kNameColumnWidth, 2), 1, 0};

} // namespace

// The line's graph content: which train a point hits, and which train the
// selected document line is.
class GraphContentTest : public QObject {
    Q_OBJECT

private slots:
    void aPointHitsTheNearestTrain_data()
    {
        QTest::addColumn<double>("minute");
        QTest::addColumn<double>("y"); // in the graph's own distances
        QTest::addColumn<int>("train"); // index, -1 for none
        QTest::newRow("running between two stations") << 70.0 << 50.0 << 0;
        QTest::newRow("standing in a station") << 81.0 << 100.0 << 0;
        QTest::newRow("a few pixels beside the line") << 81.0 << 104.0 << 0;
        QTest::newRow("too far beside the line") << 81.0 << 112.0 << -1;
        QTest::newRow("a loaded timetable's train") << 125.0 << 50.0 << 1;
        QTest::newRow("before midnight") << 1440.0 << 100.0 << 2;
        QTest::newRow("after midnight, at the day's left edge") << 5.0 << 150.0 << 2;
        QTest::newRow("nothing there") << 600.0 << 100.0 << -1;
    }

    void aPointHitsTheNearestTrain()
    {
        QFETCH(double, minute);
        QFETCH(double, y);
        QFETCH(int, train);
        const GraphContent content = sampleContent();
        QCOMPARE(content.trainAt(QPointF(kFrame.grid.x(minute), kFrame.y(y)), kFrame), train);
    }

    void theSelectedLineIsADocumentTrain_data()
    {
        QTest::addColumn<std::optional<int>>("line");
        QTest::addColumn<int>("train");
        QTest::newRow("a train of the document") << std::optional<int>(32) << 2;
        QTest::newRow("a line without a train") << std::optional<int>(40) << -1;
        QTest::newRow("no line") << std::optional<int>() << -1;
        QTest::newRow("never a loaded timetable's train") << std::optional<int>(0) << -1;
    }

    void theSelectedLineIsADocumentTrain()
    {
        QFETCH(std::optional<int>, line);
        QFETCH(int, train);
        GraphContent content = sampleContent();
        content.setDragShift(5);
        content.setSelectedLine(line);
        QCOMPARE(content.selectedTrain(), train);
        QCOMPARE(content.dragShift(), train < 0 ? 0 : 5); // only a selected train is dragged
    }
};

QTEST_GUILESS_MAIN(GraphContentTest)
#include "graph_content_test.moc"
