#include "occupancy/document_analysis.h"
#include "occupancy/findings_model.h"
#include "occupancy/findings_pane.h"
#include "timetable_records.h"

#include <QListView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

// A plan of count findings, each of a train whose number line 31 already has.
OccupancyPlan duplicates(int count)
{
    return planDocument(timetable(kHutky, QStringList(count + 1, record(7, "-", "1", "-"))));
}

} // namespace

// The findings pane: it follows changes without losing its place, and a
// double-click names a finding's line. (The main window shows its rows.)
class FindingsPaneTest : public QObject {
    Q_OBJECT

private slots:
    void newFindingsKeepTheListWhereItWas()
    {
        FindingsPane pane;
        pane.resize(400, 200);
        pane.setPlan(duplicates(1000));
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        auto *list = pane.findChild<QListView *>(QStringLiteral("H2"));
        list->setCurrentIndex(list->model()->index(600, 0));
        list->scrollTo(list->currentIndex());
        const int scrolled = list->verticalScrollBar()->value();
        QVERIFY(scrolled > 0);

        pane.setPlan(duplicates(1200));
        QCOMPARE(list->model()->rowCount(), 1200);
        QCOMPARE(list->currentIndex().row(), 600);
        QCOMPARE(list->verticalScrollBar()->value(), scrolled);
        QCOMPARE(list->model()->index(1199, 0).data().toString(),
                 QStringLiteral("řádek 1231: číslo vlaku 7 je už na řádku 31"));

        // A double-click selects a finding's line; on the row saying there are none, nothing.
        QSignalSpy activated(&pane, &FindingsPane::findingActivated);
        const auto doubleClick = [list](int row) {
            const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at); // as a mouse sends it
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
        };
        doubleClick(600);
        QCOMPARE(activated.size(), 1);
        QCOMPARE(activated.takeFirst().at(0).toInt(), 632);
        pane.setPlan(OccupancyPlan());
        QCOMPARE(list->model()->rowCount(), 1);
        QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("Grafikon je bez chyb."));
        doubleClick(0);
        QCOMPARE(activated.size(), 0);
    }
};

QTEST_MAIN(FindingsPaneTest)
#include "findings_pane_test.moc"
