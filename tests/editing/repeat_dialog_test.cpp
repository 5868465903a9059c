#include "four_trains.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

const QString kUnreadable = QStringLiteral("Záznam vlaku nelze opakovat: „07:60“ na pozicích 24–27 není čas.");
const QString kCountRefusal = QStringLiteral("Počet opakování musí být 1 až 99.");
const QString kIntervalRefusal = QStringLiteral("Interval musí být 1 až 1439 minut.");
const QString kStepRefusal = QStringLiteral("Změna čísla vlaku musí být −9999 až 9999.");
const char *const kFields[] = {"B1", "B3", "B5"}; // count, interval, number step

QWidget *child(QWidget &window, const char *name)
{
    return window.findChild<QWidget *>(QString::fromLatin1(name));
}

// Replaces a field's text key by key as the user types it, any character included.
void typeInto(QWidget *field, const QString &text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
    }
}

// The four trains and a fifth whose arrival 07:60 is not a time, with the
// repeat dialog open for the train of row.
QWidget &openRepeat(App &app, int row)
{
    fillTimetable(app);
    app.lines().appendLine(QString(kHutkyRecord).replace(23, 4, QStringLiteral("0760")));
    selectTrain(app, row);
    app.trigger("G4");
    return app.forms->A5;
}

} // namespace

// The repeat dialog's own behaviour: the train it names, the preview of what
// "OK" makes, the refusal of values outside their ranges and Escape.
class RepeatDialogTest : public QObject {
    Q_OBJECT

private slots:
    void previewFollowsTheValuesAsTyped_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("typed"); // count, interval, number step
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("preview");

        QTest::newRow("the values the dialog starts with")
            << 0 << QStringList{"1", "60", "2"} << "Os 4521" << "Os 4521 07:12 → Os 4523 08:12";
        QTest::newRow("several copies, the first and the last shown, a real minus sign")
            << 0 << QStringList{"3", "90", "−1"} << "Os 4521" << "Os 4521 07:12 → Os 4520 08:42 … Os 4518 11:42";
        QTest::newRow("round midnight") << 1 << QStringList{"2", "1000", "2"} << "R 1142"
                                        << "R 1142 08:03 → R 1144 00:43 … R 1146 17:23";
        QTest::newRow("an originating train by its departure")
            << 2 << QStringList{"1", "30", "1"} << "Vleč 734" << "Vleč 734 06:07 → Vleč 735 06:37";
        QTest::newRow("a count out of range") << 0 << QStringList{"0", "60", "2"} << "Os 4521" << kCountRefusal;
        QTest::newRow("a number out of range") << 0 << QStringList{"99", "60", "1000"} << "Os 4521"
                                               << "Číslo vlaku by bylo mimo rozsah 0 až 99999.";
        QTest::newRow("a line that cannot be read") << 4 << QStringList{"1", "60", "2"} << "Os 4521" << kUnreadable;
    }

    void previewFollowsTheValuesAsTyped()
    {
        QFETCH(int, row);
        QFETCH(QStringList, typed);
        QFETCH(QString, name);
        QFETCH(QString, preview);

        App app;
        QWidget &dialog = openRepeat(app, row);
        for (int i = 0; i < 3; ++i)
            typeInto(child(dialog, kFields[i]), typed[i]);
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("B9"))->text(), name);
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("C0"))->text(), preview);
    }

    void okRefusesAValueOutOfItsRangeAndKeepsIt_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refusal");

        QTest::newRow("no copies") << "B1" << "0" << kCountRefusal;
        QTest::newRow("too many copies") << "B1" << "5000" << kCountRefusal;
        QTest::newRow("an empty count") << "B1" << "" << kCountRefusal;
        QTest::newRow("a whole day") << "B3" << "1440" << kIntervalRefusal;
        QTest::newRow("no interval") << "B3" << "0" << kIntervalRefusal;
        QTest::newRow("words for an interval") << "B3" << "hodina" << kIntervalRefusal;
        QTest::newRow("a step too large") << "B5" << "10000" << kStepRefusal;
        QTest::newRow("a step too small, a real minus sign") << "B5" << "−10000" << kStepRefusal;
        QTest::newRow("a step too small, a hyphen") << "B5" << "-10000" << kStepRefusal;
    }

    void okRefusesAValueOutOfItsRangeAndKeepsIt()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, refusal);

        App app;
        QWidget &dialog = openRepeat(app, 0);
        const QString before = app.lines().text();
        QWidget *entry = child(dialog, qPrintable(field));
        typeInto(entry, typed);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("B7")), Qt::LeftButton);
        QCOMPARE(app.prompts.messages(), QStringList{refusal});
        QVERIFY(dialog.isVisible());
        QCOMPARE(entry->property("text").toString(), typed);
        QCOMPARE(app.lines().text(), before);
    }

    void escapeClosesTheDialogAsStornoDoes_data()
    {
        QTest::addColumn<QString>("focused");

        QTest::newRow("in the count") << "B1";
        QTest::newRow("in the number step") << "B5";
        QTest::newRow("on OK") << "B7";
    }

    void escapeClosesTheDialogAsStornoDoes()
    {
        QFETCH(QString, focused);

        App app;
        QWidget &dialog = openRepeat(app, 0);
        const QString before = app.lines().text();
        QTest::keyClick(child(dialog, qPrintable(focused)), Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QVERIFY(app.main().isEnabled());
        QCOMPARE(app.lines().text(), before);
        QCOMPARE(app.prompts.shown, QStringList());
    }
};

QTEST_MAIN(RepeatDialogTest)
#include "repeat_dialog_test.moc"
