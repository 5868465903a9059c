#include "list_paint.h"
#include "train_dialog_driver.h"


#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

QStringList itemsOf(const QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

QStringList numbers(int count, int width)
{
    QStringList items;
    for (int i = 0; i < count; ++i)
        items << QStringLiteral("%1").arg(i, width, 10, QLatin1Char('0'));
    return items;
}

const char *const kTimeLists[] = {"D0", "D2", "D4", "D6", "E5", "E7", "E9", "F1"};

} // namespace

// The train dialog's form, the lists it fills on showing, its check-box rules,
// the copying of the arrival time and the checks of "OK".
class TrainDialogTest : public QObject {
    Q_OBJECT

private slots:
    void formHasItsControlsCaptionsAndItems()
    {
        App app;
        TrainDialog dialog(app);
        TA4 &form = dialog.form();
        QCOMPARE(form.windowTitle(), QStringLiteral("Přidat vlak"));
        QCOMPARE(form.minimumSize(), QSize(377, 369));
        QCOMPARE(form.maximumSize(), QSize(377, 369));
        QStringList captions;
        for (const char *name : {"B0", "C6", "E1"})
            captions << form.findChild<QGroupBox *>(QString::fromLatin1(name))->title();
        for (const char *name : {"B1", "B3", "B5", "C7", "C9", "D1", "D3", "D5", "D9",
                                 "E2", "E4", "E6", "E8", "F0", "F4"})
            captions << form.findChild<QLabel *>(QString::fromLatin1(name))->text();
        for (const char *name : {"D7", "D8", "F2", "F3", "F6", "F7"})
            captions << form.findChild<QAbstractButton *>(QString::fromLatin1(name))->text();
        QCOMPARE(captions, (QStringList{"Obecné", "Příjezd", "Odjezd", "Druhová zkratka", "Číslo vlaku",
                                        "Vlakotvorba", "Ze stanice", "Odjezd", ":", "Příjezd", ":",
                                        "Pravidelná kolej", "Do stanice", "Odjezd", ":", "Příjezd", ":",
                                        "Poznámka", "Výchozí", "Průjezd", "Končící", "Průjezd", "Storno", "OK"}));
        QCOMPARE(itemsOf(dialog.list("B2")),
                 (QStringList{"SC", "EC", "IC", "EN", "Ex", "R", "Sp", "Zr", "Os", "Sv", "NEx", "Rn", "Sn",
                              "Vn", "Pn", "Pv", "Mn", "Vleč", "Lv"}));
        for (const char *name : {"D0", "D4", "E5", "E9"})
            QCOMPARE(itemsOf(dialog.list(name)), numbers(24, 1));
        for (const char *name : {"D2", "D6", "E7", "F1"})
            QCOMPARE(itemsOf(dialog.list(name)), numbers(60, 2));
        for (const char *name : {"B2", "C8", "D0", "E0", "F1"}) {
            QVERIFY(!dialog.list(name)->isEditable());
            QCOMPARE(dialog.list(name)->currentIndex(), -1);
        }
        QVERIFY(dialog.button("F7")->isDefault());
        QVERIFY(!dialog.button("F6")->isDefault());
        QCOMPARE(dialog.button("F6")->geometry(), QRect(200, 336, 81, 25));
        QCOMPARE(dialog.button("F7")->geometry(), QRect(288, 336, 81, 25));
        QCOMPARE(form.findChild<QGroupBox *>(QStringLiteral("C6"))->geometry(), QRect(8, 96, 361, 113));
    }

    void tabOrderRunsThroughTheGroupsThenStornoAndOk()
    {
        App app;
        TrainDialog dialog(app);
        QStringList order;
        QWidget *widget = dialog.list("B2");
        do {
            if (widget->focusPolicy() & Qt::TabFocus)
                order << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != dialog.list("B2"));
        QCOMPARE(order, (QStringList{"B2", "B4", "B6", "B7", "B8", "B9", "C0", "C1", "C2", "C3", "C4", "C5",
                                     "C8", "D0", "D2", "D4", "D6", "D7", "D8", "E0",
                                     "E3", "E5", "E7", "E9", "F1", "F2", "F3", "F5", "F6", "F7"}));
    }

    void showingFillsTheListsFromTheHeader_data()
    {
        QTest::addColumn<QString>("simulator");
        QTest::addColumn<QString>("specified");
        QTest::addColumn<QStringList>("stations");
        QTest::addColumn<QStringList>("tracks");

        QTest::newRow("Vrbinov") << kVrbinov << "Nový Lesov" << QStringList{"Nový Lesov", "Hutky", "Radlická"}
                                 << QStringList{"7", "5", "3", "1", "2", "0"};
        QTest::newRow("Dolanov") << kDolanov << "Loučkovice"
                                 << QStringList{"Tovačov východ", "Loučkovice", "Olšanov n.Ok.", "vlečka Kobar"}
                                 << QStringList{"4", "2", "1", "3", "0"};
        QTest::newRow("Olšanov") << kOlsanov << "" << QStringList{"Dolanov n.Ok.", "Obora - Mrázov"}
                                 << QStringList{"2", "1", "0"};
        QTest::newRow("Skalín") << kSkalin << "" << QStringList{"Tovačov východ", "Dolanov n.Ok."} << QStringList{};
        QTest::newRow("unknown") << "Zelto ŽST Neznámá" << "" << QStringList{} << QStringList{};
    }

    void showingFillsTheListsFromTheHeader()
    {
        QFETCH(QString, simulator);
        QFETCH(QString, specified);
        QFETCH(QStringList, stations);
        QFETCH(QStringList, tracks);
        App app;
        TrainDialog dialog(app);
        setTimetable(app, simulator, specified);
        app.trigger("E2");
        QVERIFY(dialog.form().isVisible());
        QVERIFY(!app.main().isEnabled());
        QCOMPARE(itemsOf(dialog.list("C8")), stations);
        QCOMPARE(itemsOf(dialog.list("E3")), stations);
        QCOMPARE(itemsOf(dialog.list("E0")), tracks);
        for (const char *name : {"C8", "E3", "E0"})
            QCOMPARE(dialog.list(name)->currentIndex(), -1);
        const bool skalin = simulator == kSkalin;
        QCOMPARE(dialog.list("E0")->isEnabled(), !skalin);
        QCOMPARE(paintedGrey(*dialog.list("E0")), skalin);
        QCOMPARE(dialog.form().focusWidget(), dialog.button("F6"));
    }

    void firstOkAsksForTheTypeAndEveryCloseResets()
    {
        App app;
        TrainDialog dialog(app);
        setTimetable(app, kHutky);
        app.trigger("E2");
        dialog.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog.form()));
        QCOMPARE(QApplication::focusWidget(), dialog.button("F6"));
        dialog.edit("B4")->setFocus();
        QTest::keyClick(dialog.edit("B4"), Qt::Key_Return); // Enter presses "OK" unless a button has the focus
        QCOMPARE(app.prompts.messages(), QStringList{"Není uveden údaj: Druhová zkratka!"});
        QVERIFY(dialog.form().isVisible());

        dialog.fillHutkyTrain();
        dialog.click("F3");
        dialog.click("F6");
        QVERIFY(!dialog.form().isVisible());
        QVERIFY(app.main().isEnabled());
        QCOMPARE(dialog.list("B2")->currentText(), QStringLiteral("Os"));
        for (const char *name : kTimeLists)
            QCOMPARE(dialog.list(name)->currentIndex(), 0);
        QCOMPARE(dialog.list("D0")->currentText(), QStringLiteral("0"));
        QCOMPARE(dialog.list("F1")->currentText(), QStringLiteral("00"));
        for (const char *name : {"C8", "E3", "E0"})
            QCOMPARE(dialog.list(name)->count(), 0);
        for (const char *name : {"B4", "B6", "C5"})
            QCOMPARE(dialog.edit(name)->text(), QString());
        QCOMPARE(dialog.boxState(), QStringLiteral("D7 off|D8 off|F2 off|F3 off|arrival normal|departure normal|times normal"));
    }

    void okChecksTheEntriesInOrder_data()
    {
        QTest::addColumn<QStringList>("cleared");
        QTest::addColumn<QString>("message");

        const QString missing = QStringLiteral("Není uveden údaj: ");
        QTest::newRow("type") << QStringList{"B2", "B4"} << missing + "Druhová zkratka!";
        QTest::newRow("number") << QStringList{"B4", "C8"} << missing + "Číslo vlaku!";
        QTest::newRow("from station") << QStringList{"C8", "D0", "E0"} << missing + "Ze stanice!";
        QTest::newRow("departure hour at neighbour") << QStringList{"D0"} << missing + "Odjezd!";
        QTest::newRow("departure minute at neighbour") << QStringList{"D2", "D4"} << missing + "Odjezd!";
        QTest::newRow("arrival hour") << QStringList{"D4"} << missing + "Příjezd!";
        QTest::newRow("arrival minute") << QStringList{"D6", "E0"} << missing + "Příjezd!";
        QTest::newRow("track, without '!'") << QStringList{"E0", "E3"} << missing + "Pravidelná kolej";
        QTest::newRow("to station") << QStringList{"E3", "E5", "B6"} << missing + "Do stanice!";
        QTest::newRow("departure hour") << QStringList{"E5"} << missing + "Odjezd!";
        QTest::newRow("departure minute") << QStringList{"E7"} << missing + "Odjezd!";
        QTest::newRow("arrival hour at neighbour") << QStringList{"E9"} << missing + "Příjezd!";
        QTest::newRow("arrival minute at neighbour") << QStringList{"F1", "C5"} << missing + "Příjezd!";
        QTest::newRow("one vehicle empty") << QStringList{"B9"} << "Chyba vlakotvorby";
    }

    void okChecksTheEntriesInOrder()
    {
        QFETCH(QStringList, cleared);
        QFETCH(QString, message);
        App app;
        TrainDialog dialog(app);
        setTimetable(app, kHutky);
        app.trigger("E2");
        dialog.fillHutkyTrain();
        for (const QString &name : cleared) {
            if (auto *list = dialog.form().findChild<QComboBox *>(name))
                list->setCurrentIndex(-1);
            else
                dialog.form().findChild<QLineEdit *>(name)->clear();
        }
        const QString document = app.lines().text();
        dialog.click("F7");
        QCOMPARE(app.prompts.messages(), QStringList{message});
        QCOMPARE(app.lines().text(), document);
        QVERIFY(dialog.form().isVisible());
        QVERIFY(!app.main().isEnabled());
        QCOMPARE(dialog.edit("B7")->text(), QStringLiteral("013"));
        QCOMPARE(dialog.list("F1")->currentIndex(), cleared.contains("F1") ? -1 : 40);
    }

    void boxRulesFollowTheClicks_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("state");

        const QString normal = QStringLiteral("|arrival normal|departure normal|times normal");
        QTest::newRow("none") << QStringList{} << "D7 off|D8 off|F2 off|F3 off" + normal;
        QTest::newRow("Výchozí") << QStringList{"D7"}
                                 << "D7 on|D8 off dis|F2 off dis|F3 off dis|arrival grey|departure normal|times normal";
        QTest::newRow("Výchozí blocks the others") << QStringList{"D7", "D8", "F2", "F3"}
                                 << "D7 on|D8 off dis|F2 off dis|F3 off dis|arrival grey|departure normal|times normal";
        QTest::newRow("Výchozí cleared") << QStringList{"D7", "D7"} << "D7 off|D8 off|F2 off|F3 off" + normal;
        QTest::newRow("arrival Průjezd") << QStringList{"D8"} << "D7 off dis|D8 on|F2 off|F3 off" + normal;
        QTest::newRow("arrival Průjezd cleared") << QStringList{"D8", "D8"} << "D7 off|D8 off|F2 off|F3 off" + normal;
        QTest::newRow("Končící") << QStringList{"F2"}
                                 << "D7 off dis|D8 off|F2 on|F3 off dis|arrival normal|departure grey|times grey";
        QTest::newRow("Končící cleared") << QStringList{"F2", "F2"} << "D7 off|D8 off|F2 off|F3 off" + normal;
        QTest::newRow("departure Průjezd") << QStringList{"F3"}
                                 << "D7 off dis|D8 off|F2 off dis|F3 on|arrival normal|departure normal|times grey";
        QTest::newRow("departure Průjezd cleared") << QStringList{"F3", "F3"} << "D7 off|D8 off|F2 off|F3 off" + normal;
        QTest::newRow("arrival Průjezd cleared under departure Průjezd") << QStringList{"F3", "D8", "D8"}
                                 << "D7 off dis|D8 off|F2 off dis|F3 on|arrival normal|departure normal|times grey";
        QTest::newRow("Končící with arrival Průjezd") << QStringList{"D8", "F2"}
                                 << "D7 off dis|D8 on|F2 on|F3 off dis|arrival normal|departure grey|times grey";
        QTest::newRow("Končící cleared under arrival Průjezd") << QStringList{"D8", "F2", "F2"}
                                 << "D7 off dis|D8 on|F2 off|F3 off" + normal;
        QTest::newRow("arrival Průjezd cleared under Končící") << QStringList{"D8", "F2", "D8"}
                                 << "D7 off dis|D8 off|F2 on|F3 off dis|arrival normal|departure grey|times grey";
    }

    void boxRulesFollowTheClicks()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, state);
        App app;
        TrainDialog dialog(app);
        setTimetable(app, kHutky);
        app.trigger("E2");
        dialog.fillHutkyTrain();
        for (const QString &name : clicks)
            dialog.click(name.toLatin1().constData());
        QCOMPARE(dialog.boxState(), state);
        QCOMPARE(dialog.list("C8")->currentIndex(), 0);  // disabling keeps the values
        QCOMPARE(dialog.list("E9")->currentIndex(), 7);
    }

    void passingTrainDepartsAtItsArrivalTime()
    {
        App app;
        TrainDialog dialog(app);
        setTimetable(app, kHutky);
        app.trigger("E2");
        dialog.choose("D4", 14);
        dialog.choose("D6", 37);
        dialog.click("F3");
        QCOMPARE(dialog.list("E5")->currentText(), QStringLiteral("14"));
        QCOMPARE(dialog.list("E7")->currentText(), QStringLiteral("37"));
        QVERIFY(!dialog.list("E5")->isEnabled() && paintedGrey(*dialog.list("E5")));
        QVERIFY(!dialog.list("E7")->isEnabled() && paintedGrey(*dialog.list("E7")));

        dialog.choose("D6", 40);
        QCOMPARE(dialog.list("E7")->currentText(), QStringLiteral("40"));
        QTest::keyClick(dialog.list("D4"), Qt::Key_Down);
        QCOMPARE(dialog.list("E5")->currentText(), QStringLiteral("15"));

        dialog.list("D6")->setCurrentIndex(50); // the program's choice copies nothing
        QCOMPARE(dialog.list("E7")->currentText(), QStringLiteral("40"));
        dialog.click("F3");
        dialog.choose("D6", 45); // nor does the user's once the train stops
        QCOMPARE(dialog.list("E7")->currentText(), QStringLiteral("40"));
    }

    void numberAndVehiclesTakeDigitsOnly()
    {
        App app;
        TrainDialog dialog(app);
        dialog.type("B4", QStringLiteral("12a34567"));
        QCOMPARE(dialog.edit("B4")->text(), QStringLiteral("12345"));
        dialog.type("C0", QStringLiteral("0x4-56"));
        QCOMPARE(dialog.edit("C0")->text(), QStringLiteral("045"));
    }
};

QTEST_MAIN(TrainDialogTest)
#include "tst_train_dialog.moc"
