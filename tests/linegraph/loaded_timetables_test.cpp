#include "line_graph_fixture.h"

#include "linegraph/line_graph_page.h"
#include "linegraph/line_graph_view.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

using namespace tgx;
using namespace tgx::test;

namespace {

// The finding on the document's line 31 while Vrbinov plans Os 4521 a minute late.
const QString kLateDeparture = QStringLiteral(
    "řádek 31: Os 4521: odjezd ze stanice Hutky 07:13, ale grafikon stanice Vrbinov má 07:14 (řádek 31)");
const QString kLateArrival = QStringLiteral(
    "řádek 31: Os 4521: příjezd do stanice Vrbinov 07:40, ale grafikon stanice Vrbinov má 07:41 (řádek 31)");

// The files the tests load, by name.
void writeFiles(App &app)
{
    writeTimetable(app.path("vrbinov.46g"), vrbinovTimetable(1));
    writeTimetable(app.path("vrbinov2.46g"), vrbinovTimetable());
    writeTimetable(app.path("hutky.46g"), timetable(kHutky, {hutkyTrain()}));
    writeTimetable(app.path("zalesi.46g"), timetable(QStringLiteral("Zelto ŽST Zálesí"), {}, QStringLiteral("Loučkovice")));
    writeTimetable(app.path("nosimulator.46g"), timetable(QString(), {}));
}

// Opens a Hutky document with Os 4521 and shows the line's graph.
void showHutky(App &app)
{
    writeFiles(app);
    app.lines().setText(documentText(timetable(kHutky, {hutkyTrain()})));
    app.main().show();
    QVERIFY(QTest::qWaitForWindowExposed(&app.main()));
    app.trigger("L0");
}

void addFiles(App &app, const QStringList &names)
{
    QStringList paths;
    for (const QString &name : names)
        paths << app.path(name);
    app.prompts.chooseFiles(paths);
    QTest::mouseClick(graphPage(app)->findChild<QPushButton *>(QStringLiteral("L4")), Qt::LeftButton);
}

// The stations the line's graph shows, top to bottom.
QStringList graphStations(App &app)
{
    QStringList stations;
    for (const GraphRow &row : graphView(app)->content().graph().rows)
        stations << row.station;
    return stations;
}

} // namespace

// Timetables of neighbouring simulators loaded beside the document in the
// line's graph: adding, refusing, removing and reading them again.
class LoadedTimetablesTest : public QObject {
    Q_OBJECT

private slots:
    void addingTimetables_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("loaded");   // the names the row shows afterwards
        QTest::addColumn<QStringList>("messages"); // each as a part of the text shown
        QTest::newRow("a neighbour") << QStringList{"vrbinov.46g"} << QStringList{"Vrbinov"} << QStringList{};
        QTest::newRow("two at once") << QStringList{"vrbinov.46g", "zalesi.46g"}
                                     << QStringList{"Vrbinov", "Česká Zálesí"} << QStringList{};
        QTest::newRow("the document's own station")
            << QStringList{"hutky.46g"} << QStringList{} << QStringList{"Grafikon stanice Hutky je už otevřený."};
        QTest::newRow("a station loaded already") << QStringList{"vrbinov.46g", "vrbinov2.46g"} << QStringList{"Vrbinov"}
                                                  << QStringList{"Grafikon stanice Vrbinov je už otevřený."};
        QTest::newRow("a file that cannot be read, among others")
            << QStringList{"missing.46g", "vrbinov.46g"} << QStringList{"Vrbinov"} << QStringList{"missing.46g"};
        QTest::newRow("a file without a simulator") << QStringList{"nosimulator.46g"} << QStringList{}
                                                    << QStringList{"nosimulator.46g"};
        QTest::newRow("the dialog cancelled") << QStringList{} << QStringList{} << QStringList{};
    }

    void addingTimetables()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, loaded);
        QFETCH(QStringList, messages);
        App app;
        showHutky(app);
        addFiles(app, files);
        QCOMPARE(loadedNames(app), loaded);
        const QStringList shown = app.prompts.messages();
        QCOMPARE(shown.size(), messages.size());
        for (int i = 0; i < messages.size(); ++i)
            QVERIFY2(shown[i].contains(messages[i]), qPrintable(shown[i]));
        QCOMPARE(app.prompts.fileRequests.size(), 1);
        QCOMPARE(app.prompts.fileRequests.first().filter, QStringLiteral("TGX soubory Zelto Edice 246 (*.46g)"));
    }

    // A loaded timetable joins the graph and the findings, stays across New
    // and leaves both again when removed.
    void aLoadedTimetableJoinsTheGraphAndTheFindingsUntilRemoved()
    {
        App app;
        showHutky(app);
        QCOMPARE(graphStations(app), (QStringList{"Vrbinov", "Hutky", "Česká Zálesí"}));
        QCOMPARE(findingRows(app), QStringList{"Grafikon je bez chyb."});
        addFiles(app, {"zalesi.46g", "vrbinov.46g"});
        QCOMPARE(graphStations(app), (QStringList{"Plavy", "Vrbinov", "Hutky", "Česká Zálesí", "Loučkovice"}));
        QCOMPARE(findingRows(app), (QStringList{kLateDeparture, kLateArrival,
                                                "řádek 31: Os 4521: v grafikonu stanice Česká Zálesí chybí odjezd"}));

        app.prompts.answer(Prompts::Answer::No); // not saving the changed document
        app.trigger("D2");
        QCOMPARE(loadedNames(app), (QStringList{"Česká Zálesí", "Vrbinov"}));
        QCOMPARE(findingRows(app), QStringList{"Grafikon je bez chyb."});
        QVERIFY(graphPage(app)->findChild<QLabel *>(QStringLiteral("L10"))->isVisible());
        QVERIFY(!graphView(app)->isVisible());
        QCOMPARE(graphPage(app)->findChild<QLabel *>(QStringLiteral("L10"))->text(),
                 QStringLiteral("Grafikon trati se kreslí podle simulátoru v řádku 2."));
        QVERIFY(graphPage(app)->findChild<QPushButton *>(QStringLiteral("L4"))->isVisible());

        app.lines().setText(documentText(timetable(kHutky, {hutkyTrain()})));
        QCOMPARE(findingRows(app).size(), 3);
        QTest::mouseClick(graphPage(app)->findChildren<QToolButton *>(QStringLiteral("L8")).first(), Qt::LeftButton);
        QCOMPARE(loadedNames(app), QStringList{"Vrbinov"});
        QCOMPARE(findingRows(app), (QStringList{kLateDeparture, kLateArrival}));
        QTest::mouseClick(graphPage(app)->findChildren<QToolButton *>(QStringLiteral("L8")).first(), Qt::LeftButton);
        QCOMPARE(loadedNames(app), QStringList{});
        QCOMPARE(findingRows(app), QStringList{"Grafikon je bez chyb."});
        QCOMPARE(graphStations(app), (QStringList{"Vrbinov", "Hutky", "Česká Zálesí"}));
        QCOMPARE(app.prompts.unexpected, QStringList{});
    }

    void aTrainsToolTipNamesItsTimetableAndFindings_data()
    {
        QTest::addColumn<QString>("station");
        QTest::addColumn<double>("minute");
        QTest::addColumn<QStringList>("toolTip");
        QTest::newRow("the document's train")
            << QStringLiteral("Hutky") << 7 * 60 + 12.5
            << QStringList{"Os 4521 - Zálesí - 07:05 - 07:12 - 1.kol - Vrbinov - 07:13 - 07:40",
                           kLateDeparture.mid(10), kLateArrival.mid(10),
                           "Vrbinov: Os 4521: odjezd ze stanice Hutky 07:14, ale grafikon stanice Hutky má 07:13 (řádek 31)",
                           "Vrbinov: Os 4521: příjezd do stanice Vrbinov 07:41, ale grafikon stanice Hutky má 07:40 (řádek 31)"};
        QTest::newRow("a loaded timetable's train")
            << QStringLiteral("Vrbinov") << 8 * 60 + 2.5
            << QStringList{"Vrbinov: Os 5212 - Plavy - 07:51 - 08:00 - 3.kol - Radlická - 08:05 - 08:19"};
        QTest::newRow("no train") << QStringLiteral("Hutky") << 12 * 60.0 << QStringList{};
    }

    void aTrainsToolTipNamesItsTimetableAndFindings()
    {
        QFETCH(QString, station);
        QFETCH(double, minute);
        QFETCH(QStringList, toolTip);
        App app;
        showHutky(app);
        writeTimetable(app.path("vrbinov.46g"),
                       vrbinovTimetable(1) << record(5212, QStringLiteral("1 0751 0800"), QStringLiteral("3"),
                                                     QStringLiteral("3 0805 0819")));
        addFiles(app, {"vrbinov.46g"});
        QWidget *viewport = graphView(app)->viewport();
        const QPoint at = graphPoint(app, station, minute);
        QHelpEvent event(QEvent::ToolTip, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &event);
        const QString expected = toolTip.isEmpty() ? QString()
                                                   : Qt::convertFromPlainText(toolTip.join(u'\n'), Qt::WhiteSpacePre);
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), expected);
    }

    void theSavedPictureHoldsTheWholeDay_data()
    {
        QTest::addColumn<int>("zoomSteps");
        QTest::newRow("the whole day on screen") << 0;
        QTest::newRow("zoomed in") << 4;
    }

    void theSavedPictureHoldsTheWholeDay()
    {
        QFETCH(int, zoomSteps);
        App app;
        showHutky(app);
        for (int i = 0; i < zoomSteps; ++i)
            QTest::keyClick(graphView(app), Qt::Key_Plus);
        const double dayWidth = graphView(app)->frame().grid.dayWidth();
        app.prompts.chooseFile(app.path("graf"));
        graphView(app)->findChild<QAction *>(QStringLiteral("L9"))->trigger();
        const QImage saved(app.path("graf.png"));
        QCOMPARE(saved.width(), GraphLayout::kNameColumnWidth + int(std::ceil(dayWidth - 1e-6)));
        QVERIFY(saved.height() >= graphView(app)->viewport()->height() - GraphLayout::kHeaderHeight);
        QCOMPARE(app.prompts.messages(), QStringList{});
    }

    void aLoadedFileChangedOnDiskIsReadAgain()
    {
        App app;
        showHutky(app);
        writeTimetable(app.path("vrbinov.46g"), vrbinovTimetable(0));
        addFiles(app, {"vrbinov.46g"});
        QCOMPARE(findingRows(app), QStringList{"Grafikon je bez chyb."});
        writeTimetable(app.path("vrbinov.46g"), vrbinovTimetable(1));
        QTRY_COMPARE(findingRows(app), (QStringList{kLateDeparture, kLateArrival}));
        writeTimetable(app.path("vrbinov.46g"), vrbinovTimetable(0));
        QTRY_COMPARE(findingRows(app), QStringList{"Grafikon je bez chyb."});
        QVERIFY(app.prompts.shown.size() == 1); // the file dialog alone
    }
};

QTEST_MAIN(LoadedTimetablesTest)
#include "loaded_timetables_test.moc"
