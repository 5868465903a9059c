#include "line_graph_fixture.h"

#include "document/document_lines.h"
#include "linegraph/line_graph_view.h"

#include <QLineEdit>
#include <QListView>
#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

enum class Choice { InTheList, FoundByNumber, Undone, FindingGoneTo };

constexpr double kNight = 3 * 60;      // where the graph looks before
constexpr double kEvening = 20 * 60;   // where the evening trains stand in Hutky

// Os 4521 in the morning, then Os 6000 and Os 6001 in the evening, both on track 1 at once.
QStringList evening()
{
    return timetable(kHutky, {hutkyTrain(), record(6000, "1 1950 2000", "1", "2 2001 2030"),
                              record(6001, "1 1952 2000", "1", "2 2002 2031")});
}

void choose(App &app, Choice choice)
{
    switch (choice) {
    case Choice::InTheList: {
        app.trigger("E9");
        auto *list = app.main().findChild<QListView *>(QStringLiteral("B1"));
        list->setCurrentIndex(list->model()->index(1, 0));
        return app.trigger("L0");
    }
    case Choice::FoundByNumber:
        app.trigger("G5");
        return QTest::keyClicks(app.main().findChild<QLineEdit *>(QStringLiteral("H4")), QStringLiteral("6000"));
    case Choice::Undone: {
        {
            DocumentLines::Step step(app.lines());
            app.lines().replaceLine(32, record(6000, "1 1955 2005", "1", "2 2006 2035"));
        }
        return app.trigger("G1");
    }
    case Choice::FindingGoneTo: {
        auto *findings = app.main().findChild<QListView *>(QStringLiteral("H2"));
        findings->setFocus();
        findings->setCurrentIndex(findings->model()->index(0, 0));
        return QTest::keyClick(findings, Qt::Key_Return);
    }
    }
}

// Whether the graph shows minute of the day in its time area, and Hutky's row.
bool graphShows(App &app, double minute)
{
    const GraphFrame frame = graphView(app)->frame();
    const QPoint hutky = graphPoint(app, QStringLiteral("Hutky"), minute);
    return frame.inTimeArea(hutky.x()) && hutky.y() >= GraphLayout::kHeaderHeight && hutky.y() < frame.size.height();
}

} // namespace

// The line's graph brings the one selected train into view, wherever it was chosen.
class SelectedTrainTest : public QObject {
    Q_OBJECT

private slots:
    void theSelectedTrainComesIntoView_data()
    {
        QTest::addColumn<Choice>("choice");
        QTest::addColumn<QList<int>>("lines"); // the lines the selected train may be on
        QTest::newRow("chosen in the list, then the graph shown") << Choice::InTheList << QList<int>{32};
        QTest::newRow("found by its number") << Choice::FoundByNumber << QList<int>{32};
        QTest::newRow("a step undone") << Choice::Undone << QList<int>{32};
        QTest::newRow("a finding gone to") << Choice::FindingGoneTo << QList<int>{32, 33};
    }

    void theSelectedTrainComesIntoView()
    {
        QFETCH(Choice, choice);
        QFETCH(QList<int>, lines);
        App app;
        app.lines().setText(documentText(evening()));
        app.main().resize(900, 600);
        app.main().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app.main()));
        app.trigger("L0");
        zoomInAround(graphView(app), kNight, GraphLayout::kNameColumnWidth);
        QVERIFY(!graphShows(app, kEvening));

        choose(app, choice);

        QVERIFY(graphView(app)->isVisible());
        const auto selected = app.main().selectedTrainLine();
        QVERIFY(selected && lines.contains(*selected));
        QCOMPARE(graphView(app)->content().graph().trains[graphView(app)->content().selectedTrain()].documentLine,
                 *selected);
        QVERIFY(graphShows(app, kEvening));
    }
};

QTEST_MAIN(SelectedTrainTest)
#include "selected_train_test.moc"
