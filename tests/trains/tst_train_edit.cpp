#include "list_paint.h"
#include "train_dialog_driver.h"


#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

const QString kVehicles = QStringLiteral("101102103104105106107108109110");
const QString kError = QStringLiteral("Error 00F3");
const QString kConversion = QStringLiteral("Invalid variant type conversion");

// Box states of the loaded dialog (TrainDialog::boxState), per kind of record.
const QString kStops = QStringLiteral("D7 off|D8 off|F2 off|F3 off|arrival normal|departure normal|times normal");
const QString kOriginates =
    QStringLiteral("D7 on|D8 off dis|F2 off dis|F3 off dis|arrival grey|departure normal|times normal");
const QString kPassesNeighbour =
    QStringLiteral("D7 off dis|D8 on|F2 off|F3 off|arrival normal|departure normal|times normal");
const QString kPassesOwn = QStringLiteral("D7 off dis|D8 off|F2 off dis|F3 on|arrival normal|departure normal|times grey");
const QString kPassesBoth = QStringLiteral("D7 off dis|D8 on|F2 off dis|F3 on|arrival normal|departure normal|times grey");
const QString kTerminates =
    QStringLiteral("D7 off dis|D8 off|F2 on|F3 off dis|arrival normal|departure grey|times grey");
const QString kPassesAndTerminates =
    QStringLiteral("D7 off dis|D8 on|F2 on|F3 off dis|arrival normal|departure grey|times grey");
const QString kStartsAndEnds =
    QStringLiteral("D7 on dis|D8 off dis|F2 on dis|F3 off dis|arrival grey|departure grey|times grey");

// Opens a timetable holding the one record and edits it.
void editRecord(App &app, const QString &simulator, const QString &specified, const QString &line)
{
    setTimetable(app, simulator, specified);
    app.lines().appendLine(line);
    selectTrain(app, 0);
    app.trigger("E3");
}

} // namespace

// Loading a record into the train dialog for editing, and writing it back.
class TrainEditTest : public QObject {
    Q_OBJECT

private slots:
    void unchangedTrainIsWrittenBackAsItWas_data()
    {
        QTest::addColumn<QString>("simulator");
        QTest::addColumn<QString>("specified");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("state");

        QTest::newRow("Vrbinov, stops, note") << kVrbinov << "Plavy"
            << record(u"18", u"00734", u"1100511201500", u"0", u"1", u"3112511300500", kVehicles, u"Pozor") << kStops;
        QTest::newRow("Dolanov, passes neighbour") << kDolanov << "Česká Zálesí"
            << record(u"14", u"12345", u"4235500051000", u"3", u"3", u"2000600066000", kVehicles) << kPassesNeighbour;
        QTest::newRow("Zálesí, originates") << kZalesi << "Dolanov n.Ok."
            << record(u"10", u"00001", u"0000000000000", u"4", u"1", u"4121012403000", kVehicles, u" s mezerami ")
            << kOriginates;
        QTest::newRow("Hutky, passes own station") << kHutky << ""
            << record(u"28", u"99999", u"1070507120700", u"1", u"2", u"2071207402800", kVehicles) << kPassesOwn;
        QTest::newRow("Olšanov, passes both") << kOlsanov << ""
            << record(u"27", u"00042", u"2080008595900", u"2", u"4", u"1085909010200", kVehicles, u"Vleč č. 2")
            << kPassesBoth;
        QTest::newRow("Olšanov, terminates") << kOlsanov << ""
            << record(u"26", u"00500", u"1130013006000", u"0", u"1", u"0000000000000", kVehicles) << kTerminates;
        QTest::newRow("Hutky, passes neighbour, terminates") << kHutky << ""
            << record(u"24", u"01000", u"2235923596000", u"2", u"3", u"0000000000000", kVehicles)
            << kPassesAndTerminates;
        QTest::newRow("Skalín") << kSkalin << ""
            << record(u"15", u"00815", u"1063007003000", u"0", u"1", u"2070107151400", kVehicles) << kStops;
        QTest::newRow("Skalín keeps any track") << kSkalin << ""
            << record(u"22", u"00816", u"2000000010100", u"7", u"2", u"1000100020100", kVehicles) << kPassesOwn;
        QTest::newRow("starts and ends here") << kHutky << ""
            << record(u"19", u"00019", u"0000000000000", u"1", u"1", u"0000000000000", kVehicles) << kStartsAndEnds;
    }

    void unchangedTrainIsWrittenBackAsItWas()
    {
        QFETCH(QString, simulator);
        QFETCH(QString, specified);
        QFETCH(QString, line);
        QFETCH(QString, state);
        App app;
        TrainDialog dialog(app);
        editRecord(app, simulator, specified, line);
        QCOMPARE(dialog.boxState(), state);
        QCOMPARE(dialog.list("E0")->isEnabled(), simulator != kSkalin);
        dialog.click("F7");
        QCOMPARE(app.prompts.messages(), QStringList{});
        QCOMPARE(app.lines().line(31), line);
        QCOMPARE(app.lines().lineCount(), 31);
        QVERIFY(!dialog.form().isVisible());
    }

    void loadsEveryField()
    {
        App app;
        TrainDialog dialog(app);
        editRecord(app, kVrbinov, QStringLiteral("Plavy"),
                   record(u"18", u"00734", u"1100511201500", u"0", u"1", u"3112511300500", kVehicles, u"Pozor"));
        QStringList shown;
        for (const char *name : {"B2", "C8", "D0", "D2", "D4", "D6", "E0", "E3", "E5", "E7", "E9", "F1"})
            shown << dialog.list(name)->currentText();
        for (const char *name : {"B4", "B6", "B7", "C4", "C5", "F5"})
            shown << dialog.edit(name)->text();
        QCOMPARE(shown, (QStringList{"Os", "Plavy", "10", "05", "11", "20", "0", "Radlická", "11", "25", "11", "30",
                                     "734", "101", "102", "109", "110", "Pozor"}));
        QCOMPARE(dialog.list("E0")->currentIndex(), 5);
    }

    void trackIsChosenByItsText_data()
    {
        QTest::addColumn<QString>("simulator");
        QTest::addColumn<QString>("track");
        QTest::addColumn<int>("index");

        QTest::newRow("Vrbinov 0") << kVrbinov << "0" << 5;
        QTest::newRow("Hutky 2") << kHutky << "2" << 0;
        QTest::newRow("Hutky 1") << kHutky << "1" << 1;
        QTest::newRow("Olšanov 0") << kOlsanov << "0" << 2;
        QTest::newRow("Dolanov, no such track") << kDolanov << "9" << -1;
        QTest::newRow("Skalín") << kSkalin << "0" << -1;
    }

    void trackIsChosenByItsText()
    {
        QFETCH(QString, simulator);
        QFETCH(QString, track);
        QFETCH(int, index);
        App app;
        TrainDialog dialog(app);
        editRecord(app, simulator, QStringLiteral("Loučkovice"),
                   record(u"18", u"00734", u"1100511201500", track, u"1", u"2112511300500", kVehicles));
        QCOMPARE(dialog.list("E0")->currentIndex(), index);
        QCOMPARE(paintedGrey(*dialog.list("E0")), simulator == kSkalin);
    }

    void passingTrainShowsItsArrivalAsDeparture()
    {
        App app;
        TrainDialog dialog(app);
        editRecord(app, kHutky, {}, record(u"18", u"00734", u"1070507120700", u"1", u"2", u"2090009400000", kVehicles));
        QCOMPARE(dialog.list("E5")->currentText(), QStringLiteral("7"));
        QCOMPARE(dialog.list("E7")->currentText(), QStringLiteral("12"));
        dialog.click("F7");
        QCOMPARE(app.lines().line(31),
                 record(u"18", u"00734", u"1070507120700", u"1", u"2", u"2071209402800", kVehicles));
    }

    void valuesWithoutAnItemLeaveTheListUnchosen()
    {
        App app;
        TrainDialog dialog(app);
        editRecord(app, kHutky, {}, record(u"99", u"00734", u"3246007120700", u"1", u"1", u"2071399402700", kVehicles));
        for (const char *name : {"B2", "C8", "D0", "D2", "E9"})
            QCOMPARE(dialog.list(name)->currentIndex(), -1);
        QCOMPARE(dialog.list("D4")->currentText(), QStringLiteral("7"));
        QCOMPARE(app.prompts.messages(), QStringList{});
        dialog.click("F7");
        QCOMPARE(app.prompts.messages(), QStringList{"Není uveden údaj: Druhová zkratka!"});
    }

    void shortRecordLoadsOnlyWhatIsThere()
    {
        App app;
        TrainDialog dialog(app);
        setTimetable(app, kHutky);
        app.trigger("E2");
        dialog.type("F5", QStringLiteral("stará"));
        dialog.click("F6");
        editRecord(app, kHutky, {}, QStringLiteral("1900512107050712070"));
        QCOMPARE(app.prompts.messages(), QStringList{});
        QCOMPARE(dialog.list("B2")->currentText(), QStringLiteral("Sv"));
        QCOMPARE(dialog.edit("B4")->text(), QStringLiteral("512"));
        QCOMPARE(dialog.list("C8")->currentText(), QStringLiteral("Česká Zálesí"));
        QCOMPARE(dialog.list("D6")->currentText(), QStringLiteral("12"));
        QCOMPARE(dialog.list("E0")->currentIndex(), -1);
        QCOMPARE(dialog.list("E3")->currentIndex(), -1);
        QCOMPARE(dialog.list("E5")->currentText(), QStringLiteral("0"));
        QCOMPARE(dialog.edit("B6")->text(), QString());
        QCOMPARE(dialog.edit("F5")->text(), QString());
        QCOMPARE(dialog.boxState(), kStops);
    }

    void nonDecimalFieldStopsTheLoading_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("loaded");    // lists and edits that show their field
        QTest::addColumn<QStringList>("untouched"); // those still as the dialog was shown

        QTest::newRow("number") << QStringLiteral("1801x34") << QStringList{"B2"} << QStringList{"B4", "C8"};
        QTest::newRow("arrival code")
            << record(u"18", u"00734", u"x070507120700", u"1", u"1", u"2071307402700", kVehicles)
            << QStringList{"B2", "B4", "B6", "C5"} << QStringList{"C8", "D0", "E0"};
        QTest::newRow("arrival minute")
            << record(u"18", u"00734", u"1070x07120700", u"1", u"1", u"2071307402700", kVehicles)
            << QStringList{"B4", "C8", "D0"} << QStringList{"D2", "D4", "E0"};
        QTest::newRow("departure hour")
            << record(u"18", u"00734", u"1070507120700", u"1", u"3", u"2 71307402700", kVehicles, u"n")
            << QStringList{"D6", "D8", "E0", "E3"} << QStringList{"E5", "F1", "F5"};
    }

    void nonDecimalFieldStopsTheLoading()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, loaded);
        QFETCH(QStringList, untouched);
        App app;
        TrainDialog dialog(app);
        editRecord(app, kHutky, {}, line);
        QCOMPARE(app.prompts.messages(), (QStringList{kError, kConversion}));
        QVERIFY(dialog.form().isVisible());
        QVERIFY(!app.main().isEnabled());
        QCOMPARE(dialog.form().windowTitle(), QStringLiteral("Upravit vlak"));
        const auto isSet = [&](const QString &name) {
            if (auto *list = dialog.form().findChild<QComboBox *>(name))
                return list->currentIndex() >= 0;
            if (auto *box = dialog.form().findChild<QCheckBox *>(name))
                return box->isChecked();
            return !dialog.form().findChild<QLineEdit *>(name)->text().isEmpty();
        };
        for (const QString &name : loaded)
            QVERIFY2(isSet(name), qPrintable(name));
        for (const QString &name : untouched)
            QVERIFY2(!isSet(name), qPrintable(name));
        dialog.click("F6");
        QVERIFY(app.main().isEnabled());
    }
};

QTEST_MAIN(TrainEditTest)
#include "tst_train_edit.moc"
