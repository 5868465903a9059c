#include "record_parts.h"
#include "train_dialog_driver.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

const QString kOutOfRange = QStringLiteral("Číslo vlaku by bylo mimo rozsah 0 až 99999.");
const QString kNoTrain = QStringLiteral("Není vybraný žádný vlak. Zvolte vlak, který chcete opakovat.");

// Two trains of "Zelto ŽST Hutky": 23:30 in from code 1, 23:35 out to code 2; and one originating at 06:00.
const QString kLate = trainRecord(u"04521", u"1230023303000", u"2233500053000", u"noční");
const QString kEarly = trainRecord(u"00700", kOriginates, u"2060006202000");

// The repeat dialog of an App, opened as the main window's command opens it.
struct RepeatDialog {
    App &app;
    RepeatTrainDialog &form = app.forms->A5;

    QSpinBox *field(const char *name) const { return form.findChild<QSpinBox *>(QString::fromLatin1(name)); }
    QPushButton *button(const char *name) const { return form.findChild<QPushButton *>(QString::fromLatin1(name)); }
    QString caption(const char *label) const { return form.findChild<QLabel *>(QString::fromLatin1(label))->text(); }

    void open()
    {
        app.main().setEnabled(false);
        form.show();
    }
    void enter(int count, int interval, int step)
    {
        field("B1")->setValue(count);
        field("B3")->setValue(interval);
        field("B5")->setValue(step);
    }
    void ok() { QTest::mouseClick(button("B7"), Qt::LeftButton); }
    QList<int> values() const { return {field("B1")->value(), field("B3")->value(), field("B5")->value()}; }
};

QPlainTextEdit *sourceView(App &app)
{
    return app.main().findChild<QPlainTextEdit *>(QStringLiteral("B0"));
}

// A Hutky timetable with the two trains, the late one selected.
void twoTrains(App &app)
{
    setTimetable(app, kHutky);
    app.lines().appendLine(kLate);
    app.lines().appendLine(kEarly);
    selectTrain(app, 0);
}

} // namespace

// The repeat dialog "Opakovat vlak" in the program's windows.
class RepeatTrainDialogTest : public QObject {
    Q_OBJECT

private slots:
    void fieldsStartAtTheirDefaults_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");

        QTest::newRow("count") << "B1" << "B0" << "Počet opakování" << 1 << 99 << 1;
        QTest::newRow("interval") << "B3" << "B2" << "Interval (min)" << 1 << 1439 << 60;
        QTest::newRow("number step") << "B5" << "B4" << "Změna čísla vlaku" << -9999 << 9999 << 2;
    }

    void fieldsStartAtTheirDefaults()
    {
        QFETCH(QString, field);
        QFETCH(QString, label);
        QFETCH(QString, caption);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, value);

        App app;
        RepeatDialog dialog{app};
        QCOMPARE(dialog.form.windowTitle(), QStringLiteral("Opakovat vlak"));
        QSpinBox *box = dialog.field(qPrintable(field));
        QCOMPARE(dialog.caption(qPrintable(label)), caption);
        QCOMPARE(box->minimum(), minimum);
        QCOMPARE(box->maximum(), maximum);
        QCOMPARE(box->value(), value);
        QCOMPARE(dialog.button("B6")->text(), QStringLiteral("Storno"));
        QCOMPARE(dialog.button("B7")->text(), QStringLiteral("OK"));
        QVERIFY(dialog.button("B7")->isDefault());
    }

    void okAppendsTheCopiesAsOneStep()
    {
        App app;
        twoTrains(app);
        const QStringList before = app.lines().allLines();
        RepeatDialog dialog{app};
        dialog.open();
        dialog.enter(3, 20, -1);
        QSignalSpy changes(sourceView(app), &QPlainTextEdit::textChanged);

        dialog.ok();
        QCOMPARE(changes.count(), 3); // one run of the change handler per appended line
        QVERIFY(!dialog.form.isVisible());
        QVERIFY(app.main().isEnabled());
        QCOMPARE(app.prompts.shown, QStringList());
        const QStringList copies = {trainRecord(u"04520", u"1232023503000", u"2235500253000", u"noční"),
                                    trainRecord(u"04519", u"1234000103000", u"2001500453000", u"noční"),
                                    trainRecord(u"04518", u"1000000303000", u"2003501053000", u"noční")};
        const QStringList after = before + copies;
        QCOMPARE(app.lines().allLines(), after);

        sourceView(app)->document()->undo();
        QCOMPARE(app.lines().allLines(), before);
        sourceView(app)->document()->redo();
        QCOMPARE(app.lines().allLines(), after);
    }

    void theValuesStayForTheNextTrain()
    {
        App app;
        twoTrains(app);
        RepeatDialog dialog{app};
        dialog.open();
        dialog.enter(2, 90, 10);
        dialog.ok();
        selectTrain(app, 1);
        dialog.open();
        QCOMPARE(dialog.values(), (QList<int>{2, 90, 10}));
        dialog.ok();
        const QStringList lines = app.lines().allLines();
        QCOMPARE(lines.mid(lines.size() - 2),
                 (QStringList{trainRecord(u"00710", kOriginates, u"2073007502000"),
                              trainRecord(u"00720", kOriginates, u"2090009202000")}));
    }

    void refusalsKeepTheDialogOpenAndTheDocumentAsItWas_data()
    {
        QTest::addColumn<int>("selected"); // list row, -1 for none
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<QStringList>("messages");

        QTest::newRow("number above 99999") << 0 << QList<int>{99, 60, 1000} << QStringList{kOutOfRange};
        QTest::newRow("number below 0") << 1 << QList<int>{8, 60, -100} << QStringList{kOutOfRange};
        QTest::newRow("no train selected") << -1 << QList<int>{1, 60, 2} << QStringList{kNoTrain};
        QTest::newRow("a time that is not a time of day")
            << 2 << QList<int>{1, 60, 2}
            << QStringList{"Error A5-D", "Záznam vlaku nelze opakovat: „07:60“ na pozicích 24–27 není čas."};
    }

    void refusalsKeepTheDialogOpenAndTheDocumentAsItWas()
    {
        QFETCH(int, selected);
        QFETCH(QList<int>, values);
        QFETCH(QStringList, messages);

        App app;
        twoTrains(app);
        app.lines().appendLine(trainRecord(u"00800", kOriginates, u"2076008202000"));
        auto *list = app.main().findChild<QAbstractItemView *>(QStringLiteral("B1"));
        if (selected < 0)
            list->clearSelection();
        else
            selectTrain(app, selected);
        const QStringList before = app.lines().allLines();
        RepeatDialog dialog{app};
        dialog.open();
        dialog.enter(values[0], values[1], values[2]);
        QSignalSpy changes(sourceView(app), &QPlainTextEdit::textChanged);

        dialog.ok();
        QCOMPARE(app.prompts.messages(), messages);
        QVERIFY(dialog.form.isVisible());
        QVERIFY(!app.main().isEnabled());
        QCOMPARE(dialog.values(), values);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(app.lines().allLines(), before);
    }

    void enterPressesTheFocusedButtonOrOk_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("appended");

        QTest::newRow("count") << "B1" << 1;
        QTest::newRow("number step") << "B5" << 1;
        QTest::newRow("OK") << "B7" << 1;
        QTest::newRow("Storno") << "B6" << 0;
    }

    void enterPressesTheFocusedButtonOrOk()
    {
        QFETCH(QString, focused);
        QFETCH(int, appended);

        App app;
        twoTrains(app);
        const int lines = app.lines().lineCount();
        RepeatDialog dialog{app};
        dialog.open();
        QWidget *control = dialog.form.findChild<QWidget *>(focused);
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Return);
        QVERIFY(!dialog.form.isVisible());
        QVERIFY(app.main().isEnabled());
        QCOMPARE(app.lines().lineCount(), lines + appended);
    }
};

QTEST_MAIN(RepeatTrainDialogTest)
#include "tst_repeat_train_dialog.moc"
