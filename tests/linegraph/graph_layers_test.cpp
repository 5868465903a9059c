#include "line_graph_fixture.h"

#include "linegraph/graph_painter.h"
#include "linegraph/line_graph_view.h"

#include <QFontInfo>
#include <QListView>
#include <QPainter>
#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

enum class Change { OtherTrainSelected, DragStep, DragEnded, DocumentChanged, Scrolled, Zoomed, FontChanged };

constexpr double kOsStands = 7 * 60 + 12.5; // Os 4521 stands in Hutky from 07:12 to 07:13

QStringList hutky(const QString &late = QStringLiteral("1 0720 0727"))
{
    return timetable(kHutky, {hutkyTrain(), record(4523, late, "2", "2 0728 0750"),
                              record(4525, "2 0700 0710", "2", "1 0711 0730")});
}

void select(App &app, int row)
{
    auto *list = app.main().findChild<QListView *>(QStringLiteral("B1"));
    list->setCurrentIndex(list->model()->index(row, 0));
}

QImage shown(App &app)
{
    return graphView(app)->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// What one painting of the whole graph gives for what the view shows now.
QImage paintedAfresh(App &app)
{
    LineGraphView *view = graphView(app);
    QImage image(view->viewport()->size(), QImage::Format_RGB32);
    QFont font = view->font();
    font.setPixelSize(QFontInfo(view->font()).pixelSize());
    QPainter painter(&image);
    paintLineGraph(painter, view->content(), view->frame(), font);
    return image;
}

void change(App &app, Change how)
{
    QWidget *viewport = graphView(app)->viewport();
    const QPoint from = graphPoint(app, QStringLiteral("Hutky"), kOsStands);
    switch (how) {
    case Change::OtherTrainSelected:
        return select(app, 1);
    case Change::DragStep:
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        return QTest::mouseMove(viewport, graphPoint(app, QStringLiteral("Hutky"), kOsStands + 6));
    case Change::DragEnded:
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        QTest::mouseMove(viewport, graphPoint(app, QStringLiteral("Hutky"), kOsStands + 6));
        return QTest::mouseRelease(viewport, Qt::LeftButton, {}, graphPoint(app, QStringLiteral("Hutky"), kOsStands + 6));
    case Change::DocumentChanged:
        return app.lines().replaceLine(32, record(4523, "1 0715 0722", "2", "2 0723 0745"));
    case Change::Scrolled:
        return graphView(app)->horizontalScrollBar()->setValue(graphView(app)->horizontalScrollBar()->value() + 40);
    case Change::Zoomed:
        return QTest::keyClick(graphView(app), Qt::Key_Minus);
    case Change::FontChanged: {
        QFont larger = graphView(app)->font();
        larger.setPixelSize(QFontInfo(larger).pixelSize() + 4);
        graphView(app)->setFont(larger);
        return graphView(app)->viewport()->update();
    }
    }
}

} // namespace

// The view paints the selected train over the rest as painted before: what
// it shows after any change is what one painting of the whole graph gives.
class GraphLayersTest : public QObject {
    Q_OBJECT

private slots:
    void theViewShowsWhatOnePaintingGives_data()
    {
        QTest::addColumn<Change>("change");
        QTest::newRow("another train selected") << Change::OtherTrainSelected;
        QTest::newRow("a step of a drag") << Change::DragStep;
        QTest::newRow("a drag ended") << Change::DragEnded;
        QTest::newRow("the document changed") << Change::DocumentChanged;
        QTest::newRow("scrolled") << Change::Scrolled;
        QTest::newRow("zoomed") << Change::Zoomed;
        QTest::newRow("another font") << Change::FontChanged;
    }

    void theViewShowsWhatOnePaintingGives()
    {
        QFETCH(Change, change);
        App app;
        app.lines().setText(documentText(hutky()));
        app.main().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app.main()));
        app.trigger("L0");
        zoomInAround(graphView(app), kOsStands, GraphLayout::kNameColumnWidth);
        select(app, 0);
        const QImage before = shown(app);
        QCOMPARE(before, paintedAfresh(app));

        ::change(app, change);

        const QImage after = shown(app);
        QVERIFY(after != before);
        QCOMPARE(after, paintedAfresh(app));
    }
};

QTEST_MAIN(GraphLayersTest)
#include "graph_layers_test.moc"
