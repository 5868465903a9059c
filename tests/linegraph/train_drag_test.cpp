#include "line_graph_fixture.h"

#include "linegraph/line_graph_view.h"
#include "occupancy/occupancy_chart.h"

#include <QAction>
#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

constexpr int kTrack1Row = 1;              // the chart's rows for Hutky are tracks "2", "1" and "0"
constexpr double kOsStands = 7 * 60 + 12.5; // Os 4521 stands in Hutky from 07:12 to 07:13

// Whether "Zpět" has a step to take back.
bool canUndo(App &app) { return app.main().findChild<QAction *>(QStringLiteral("G1"))->isEnabled(); }

// Where Os 4521 stands in Hutky, minutes later, in the view of component name view.
QPoint standing(App &app, const QString &view, double minutes)
{
    if (view == u"L0")
        return graphPoint(app, QStringLiteral("Hutky"), kOsStands + minutes);
    const ChartFrame frame = chart(app)->frame();
    return QPoint(int(std::floor(frame.grid.x(kOsStands + minutes))), frame.rowTop(kTrack1Row) + ChartLayout::kRowHeight / 2);
}

void zoomIn(App &app, const QString &view)
{
    if (view == u"L0")
        zoomInAround(graphView(app), kOsStands, GraphLayout::kNameColumnWidth);
    else
        zoomInAround(chart(app), kOsStands, ChartLayout::kTrackColumnWidth);
}

QWidget *viewport(App &app, const QString &view)
{
    return view == u"L0" ? graphView(app)->viewport() : chart(app)->viewport();
}

// The document line of the train at pos in the view.
std::optional<int> lineAt(App &app, const QString &view, QPoint pos)
{
    if (view != u"L0")
        return chart(app)->lineAt(pos);
    const int train = graphView(app)->trainAt(pos);
    return train < 0 ? std::nullopt : std::optional<int>(graphView(app)->content().graph().trains[train].documentLine);
}

} // namespace

// Moving a train in time by dragging it sideways, in the track occupancy
// chart and in the line's graph.
class TrainDragTest : public QObject {
    Q_OBJECT

private slots:
    void aDragMovesTheTrainAsOneStep_data()
    {
        QTest::addColumn<QString>("view");   // the menu item that shows the view
        QTest::addColumn<double>("minutes"); // how far the mouse goes
        QTest::addColumn<bool>("escape");    // Escape pressed before the release
        QTest::addColumn<QString>("moved");  // the record afterwards
        const QString later = hutkyTrain(QStringLiteral("1 0712 0719"), QStringLiteral("2 0720 0747"));
        const QString earlier = hutkyTrain(QStringLiteral("1 0653 0700"), QStringLiteral("2 0701 0728"));
        for (const char *view : {"G7", "L0"}) {
            const QString name = QString::fromLatin1(view);
            // Whole minutes only, towards zero: 7.5 minutes is a move of 7.
            QTest::addRow("%s: later", view) << name << 7.5 << false << later;
            QTest::addRow("%s: earlier", view) << name << -12.5 << false << earlier;
            QTest::addRow("%s: cancelled by Escape", view) << name << 30.5 << true << hutkyTrain();
            QTest::addRow("%s: less than a minute", view) << name << 0.7 << false << hutkyTrain();
            QTest::addRow("%s: less than a minute earlier", view) << name << -0.7 << false << hutkyTrain();
        }
    }

    void aDragMovesTheTrainAsOneStep()
    {
        QFETCH(QString, view);
        QFETCH(double, minutes);
        QFETCH(bool, escape);
        QFETCH(QString, moved);
        App app;
        app.lines().setText(documentText(timetable(kHutky, {hutkyTrain()})));
        app.main().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app.main()));
        app.trigger(view.toLatin1().constData());
        zoomIn(app, view);
        const QPoint from = standing(app, view, 0);
        const QPoint to = standing(app, view, minutes);
        QVERIFY(!canUndo(app)); // the document's history starts at its text

        QTest::mousePress(viewport(app, view), Qt::LeftButton, {}, from);
        QTest::mouseMove(viewport(app, view), (from + to) / 2);
        QTest::mouseMove(viewport(app, view), to);
        if (escape)
            QTest::keyClick(viewport(app, view)->parentWidget(), Qt::Key_Escape);
        QTest::mouseRelease(viewport(app, view), Qt::LeftButton, {}, to);

        QCOMPARE(app.lines().line(31), moved);
        QCOMPARE(app.lines().lineCount(), 31);
        QVERIFY(app.prompts.shown.isEmpty());
        QCOMPARE(app.main().selectedTrainLine(), std::optional<int>(31));
        const bool changed = moved != hutkyTrain();
        QCOMPARE(canUndo(app), changed);
        if (!changed)
            return;
        // The moved train stands where the drag put it.
        QCOMPARE(lineAt(app, view, standing(app, view, std::trunc(minutes))), std::optional<int>(31));
        // One step of the history, undone as one.
        app.trigger("G1");
        QCOMPARE(app.lines().line(31), hutkyTrain());
        QVERIFY(!canUndo(app));
    }
};

QTEST_MAIN(TrainDragTest)
#include "train_drag_test.moc"
