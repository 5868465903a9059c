#include "four_trains.h"

#include "document/train_list_model.h"
#include "editing/range_field.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <algorithm>

using namespace tgx;
using namespace tgx::test;

namespace {

const QString kOutOfRange = QStringLiteral("Číslo vlaku by bylo mimo rozsah 0 až 99999.");
const char *const kRepeatFields[] = {"B1", "B3", "B5"}; // count, interval, number step

template <typename Widget = QWidget>
Widget *child(QWidget &window, const char *name)
{
    return window.findChild<Widget *>(QString::fromLatin1(name));
}

int selectedRow(App &app)
{
    const QModelIndexList selected = child<QAbstractItemView>(app.main(), "B1")->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

// Opens "Opakovat vlak" for the train in row (-1: the selection cleared once
// it is open) and enters values, where given.
QWidget &openRepeat(App &app, int row, const QList<int> &values = {})
{
    selectTrain(app, std::max(row, 0));
    app.trigger("G4");
    if (row < 0)
        child<QAbstractItemView>(app.main(), "B1")->clearSelection();
    for (int i = 0; i < int(values.size()); ++i)
        child<RangeField>(app.forms->A5, kRepeatFields[i])->setNumber(values[i]);
    return app.forms->A5;
}

QList<int> repeatValues(App &app)
{
    QList<int> values;
    for (const char *field : kRepeatFields)
        values << child<RangeField>(app.forms->A5, field)->number().value_or(-1);
    return values;
}

} // namespace

// The main window's commands for copying, repeating, finding and sorting
// trains, with the repeat dialog. Each command as one step of the history:
// document_history_test.
class EditingCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void copyingAndRepeatingNeedASelectedTrain_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("verb");

        QTest::newRow("copy") << "G3" << "kopírovat";
        QTest::newRow("repeat") << "G4" << "opakovat";
    }

    void copyingAndRepeatingNeedASelectedTrain()
    {
        QFETCH(QString, command);
        QFETCH(QString, verb);

        App app;
        fillTimetable(app);
        app.trigger(qPrintable(command));
        QCOMPARE(app.prompts.messages(), QStringList{"Není vybraný žádný vlak. Zvolte vlak, který chcete " + verb + "."});
        QVERIFY(app.main().isEnabled()); // no dialog opened
        selectTrain(app, 0);
        app.trigger(qPrintable(command));
        QVERIFY(!app.main().isEnabled());
    }

    // "Přidat vlak" loaded from the selected train: "OK" appends the copy.
    void copyingAppendsTheSelectedTrain()
    {
        App app;
        fillTimetable(app);
        const QStringList before = app.lines().allLines();
        selectTrain(app, 1);
        app.trigger("G3");
        TrainDialog dialog(app);
        QCOMPARE(dialog.form().windowTitle(), QStringLiteral("Přidat vlak"));
        QCOMPARE(dialog.edit("B4")->text(), QStringLiteral("1142"));
        dialog.click("F7");
        QCOMPARE(app.lines().allLines(), before + QStringList{before.at(31)});
    }

    void theRepeatDialogStartsAtItsDefaults()
    {
        App app;
        QWidget &dialog = app.forms->A5;
        QStringList shown{dialog.windowTitle()};
        for (const char *label : {"B0", "B2", "B4"})
            shown << child<QLabel>(dialog, label)->text();
        for (const char *field : kRepeatFields) {
            const RangeField *box = child<RangeField>(dialog, field);
            shown << QStringLiteral("%1..%2 %3").arg(box->minimum()).arg(box->maximum()).arg(*box->number());
        }
        for (const char *button : {"B6", "B7"})
            shown << child<QPushButton>(dialog, button)->text();
        QCOMPARE(shown, (QStringList{"Opakovat vlak", "Počet opakování", "Interval (min)", "Změna čísla vlaku", "1..99 1",
                                     "1..1439 60", "-9999..9999 2", "Storno", "OK"}));
        QVERIFY(child<QPushButton>(dialog, "B7")->isDefault());
    }

    // The values stay for the next train, so that several are repeated alike.
    void repeatingAppendsTheCopiesAndKeepsTheValues()
    {
        App app;
        fillTimetable(app);
        const QStringList before = app.lines().allLines();
        QWidget &dialog = openRepeat(app, 0, {2, 90, -1});
        QTest::mouseClick(child<QPushButton>(dialog, "B7"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QVERIFY(app.main().isEnabled());
        QCOMPARE(app.prompts.shown, QStringList());
        const QStringList copies{"1804520108350842070011208430910270000012013000000000000000000000000",
                                 "1804519110051012070011210131040270000012013000000000000000000000000"};
        QCOMPARE(app.lines().allLines(), before + copies);
        openRepeat(app, 1);
        QCOMPARE(repeatValues(app), (QList<int>{2, 90, -1}));
    }

    void repeatRefusalsKeepTheDialogOpenAndTheDocumentAsItWas_data()
    {
        QTest::addColumn<int>("row"); // -1: none selected
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<QStringList>("messages");

        QTest::newRow("number above 99999") << 0 << QList<int>{99, 60, 1000} << QStringList{kOutOfRange};
        QTest::newRow("number below 0") << 2 << QList<int>{8, 60, -100} << QStringList{kOutOfRange};
        QTest::newRow("no train selected") << -1 << QList<int>{1, 60, 2}
                                           << QStringList{"Není vybraný žádný vlak. Zvolte vlak, který chcete opakovat."};
        QTest::newRow("a time that is not a time of day")
            << 4 << QList<int>{1, 60, 2}
            << QStringList{"Záznam vlaku nelze opakovat: „07:60“ na pozicích 24–27 není čas."};
    }

    void repeatRefusalsKeepTheDialogOpenAndTheDocumentAsItWas()
    {
        QFETCH(int, row);
        QFETCH(QList<int>, values);
        QFETCH(QStringList, messages);

        App app;
        fillTimetable(app);
        app.lines().appendLine(QString(kHutkyRecord).replace(23, 4, QStringLiteral("0760")));
        const QString before = app.lines().text();
        QWidget &dialog = openRepeat(app, row, values);
        QTest::mouseClick(child<QPushButton>(dialog, "B7"), Qt::LeftButton);
        QCOMPARE(app.prompts.messages(), messages);
        QVERIFY(dialog.isVisible());
        QVERIFY(!app.main().isEnabled());
        QCOMPARE(repeatValues(app), values);
        QCOMPARE(app.lines().text(), before);
    }

    void enterInTheRepeatDialogPressesTheFocusedButtonOrOk_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("appended");

        QTest::newRow("a field") << "B1" << 1;
        QTest::newRow("OK") << "B7" << 1;
        QTest::newRow("Storno") << "B6" << 0;
    }

    void enterInTheRepeatDialogPressesTheFocusedButtonOrOk()
    {
        QFETCH(QString, focused);
        QFETCH(int, appended);

        App app;
        fillTimetable(app);
        const int lines = app.lines().lineCount();
        QWidget &dialog = openRepeat(app, 0);
        QWidget *control = child(dialog, qPrintable(focused));
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QVERIFY(app.main().isEnabled());
        QCOMPARE(app.lines().lineCount(), lines + appended);
    }

    void findingSelectsTheMatchingTrains_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("startRow");    // selected before typing, -1: none
        QTest::addColumn<QList<int>>("rows"); // selected after typing, then after each Enter
        QTest::addColumn<bool>("notFound");

        QTest::newRow("from the current train on, round the end") << "os 45" << 1 << QList<int>{3, 0, 3} << false;
        QTest::newRow("no train selected, a letter with a caron") << "Vleč" << -1 << QList<int>{2, 2} << false;
        QTest::newRow("diacritics as typed") << "Vlec" << 1 << QList<int>{2, 2} << true; // "Vle" found Vleč 734
    }

    // The bar stands above the list until Escape.
    void findingSelectsTheMatchingTrains()
    {
        QFETCH(QString, typed);
        QFETCH(int, startRow);
        QFETCH(QList<int>, rows);
        QFETCH(bool, notFound);

        App app;
        fillTimetable(app);
        app.main().show();
        QVERIFY(QTest::qWaitForWindowActive(&app.main()));
        if (startRow >= 0)
            selectTrain(app, startRow);
        app.trigger("G5");
        auto *field = child<QLineEdit>(app.main(), "H4");
        QVERIFY(field->hasFocus());
        QCOMPARE(child(app.main(), "B1")->y(), child(app.main(), "H3")->height());

        for (QChar c : typed) { // key by key, letters with diacritics included
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
        }
        QCOMPARE(selectedRow(app), rows.first());
        for (int row : rows.mid(1)) {
            QTest::keyClick(field, Qt::Key_Return);
            QCOMPARE(selectedRow(app), row);
        }
        QCOMPARE(child(app.main(), "H5")->isVisible(), notFound);
        QVERIFY(app.prompts.messages().isEmpty());

        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(!child(app.main(), "H3")->isVisible());
        QVERIFY(child(app.main(), "B1")->isVisible());
        QCOMPARE(child(app.main(), "B1")->y(), 0);
    }

    void sortingKeepsTheSelectedTrainSelected()
    {
        App app;
        fillTimetable(app);
        selectTrain(app, 1);
        app.trigger("G6");
        QCOMPARE(app.trainList().summaries().first(),
                 QStringLiteral("Vleč 734 - ( výchozí ) - 2.kol - Zálesí - 06:07 - 06:30"));
        QCOMPARE(selectedRow(app), 3);
        QCOMPARE(app.trainList().summaries().at(3).left(6), QStringLiteral("R 1142"));
    }
};

QTEST_MAIN(EditingCommandsTest)
#include "editing_commands_test.moc"
