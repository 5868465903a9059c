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

const QString kNoFindings = QStringLiteral("Grafikon je bez chyb.");

QStringList rows(const FindingsPane &pane)
{
    QStringList texts;
    const QAbstractItemModel *model = pane.findChild<QListView *>(QStringLiteral("H2"))->model();
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, 0).data().toString();
    return texts;
}

// Two trains numbered 4521 on track 1 at once, and a record cut short.
QStringList faultyTimetable()
{
    return timetable(kHutky, {record("04521", "1 0705 0712", "1", "2 0713 0740"),
                              record("04521", "1 0700 0710", "1", "2 0715 0750"), QStringLiteral("18045")});
}

// A plan of count findings, each of a train whose number line 31 already has.
OccupancyPlan duplicates(int count)
{
    OccupancyPlan plan;
    for (int line = 31; line <= 31 + count; ++line)
        plan.trains.append({line, 7, 8, {}, TrainCategory::Passenger, false});
    for (int line = 32; line <= 31 + count; ++line)
        plan.findings.append({line, FindingKind::DuplicateNumber, FindingDetail::None, 0});
    return plan;
}

void doubleClick(QListView *list, int row)
{
    const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
    // As a mouse sends it: a click, then the second press as a double-click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

// The findings pane: its rows, its double-click, and how it follows changes.
class FindingsPaneTest : public QObject {
    Q_OBJECT

private slots:
    void listsEachFindingOrThatThereAreNone_data()
    {
        QTest::addColumn<QStringList>("document");
        QTest::addColumn<QStringList>("rows");

        QTest::newRow("no records") << timetable(kHutky, {}) << QStringList{kNoFindings};
        QTest::newRow("sound records") << timetable(kHutky, {record("04521", "1 0705 0712", "1", "2 0713 0740")})
                                       << QStringList{kNoFindings};
        QTest::newRow("faults") << faultyTimetable()
                                << QStringList{
                                       "řádek 32: kolize na koleji 1: Os 4521 07:10–07:15 a Os 4521 07:12–07:13 (řádek 31)",
                                       "řádek 32: číslo vlaku 4521 je už na řádku 31",
                                       "řádek 33: záznam vlaku nelze přečíst: záznam má jen 5 znaků"};
    }
    void listsEachFindingOrThatThereAreNone()
    {
        QFETCH(QStringList, document);
        FindingsPane pane;
        QCOMPARE(pane.objectName(), QStringLiteral("H1"));
        QCOMPARE(pane.windowTitle(), QStringLiteral("Kontrola grafikonu"));
        QCOMPARE(pane.features(), QDockWidget::NoDockWidgetFeatures);
        QVERIFY(pane.findChild<QListView *>(QStringLiteral("H2"))->uniformItemSizes());
        pane.setPlan(planDocument(document));
        QTEST(rows(pane), "rows");
    }

    void doubleClickSelectsTheFindingsLine()
    {
        FindingsPane pane;
        pane.setPlan(planDocument(faultyTimetable()));
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        QSignalSpy activated(&pane, &FindingsPane::findingActivated);
        auto *list = pane.findChild<QListView *>(QStringLiteral("H2"));
        doubleClick(list, 2);
        QCOMPARE(activated.size(), 1);
        QCOMPARE(activated.takeFirst().at(0).toInt(), 33);

        pane.setPlan(planDocument(timetable(kHutky, {})));
        doubleClick(list, 0); // "Grafikon je bez chyb."
        QCOMPARE(activated.size(), 0);
    }

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
        QCOMPARE(pane.findings().lineAt(600), std::optional<int>(632));

        pane.setPlan(duplicates(300));
        QCOMPARE(rows(pane).size(), 300);
        QCOMPARE(rows(pane).last(), QStringLiteral("řádek 331: číslo vlaku 7 je už na řádku 31"));
        pane.setPlan(OccupancyPlan());
        QCOMPARE(rows(pane), QStringList{kNoFindings});
        QCOMPARE(pane.findings().lineAt(0), std::nullopt);
    }
};

QTEST_MAIN(FindingsPaneTest)
#include "findings_pane_test.moc"
