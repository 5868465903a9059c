#include "app_fixture.h"
#include "list_paint.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

// The properties dialog of an App, opened as the menu opens it.
struct Properties {
    App &app;
    QWidget &form = app.forms->A1;

    template <typename T>
    T *field(const char *name) const { return form.findChild<T *>(QString::fromLatin1(name)); }
    QComboBox *simulator() const { return field<QComboBox>("B5"); }
    QComboBox *station() const { return field<QComboBox>("B7"); }
    QLineEdit *edit(const char *name) const { return field<QLineEdit>(name); }

    void open() { app.trigger("D8"); }
    void choose(int index) // as the user picks a simulator
    {
        simulator()->setCurrentIndex(index);
        emit simulator()->activated(index);
    }
    void ok() { QTest::mouseClick(field<QPushButton>("D1"), Qt::LeftButton); }
    void cancel() { QTest::mouseClick(field<QPushButton>("D0"), Qt::LeftButton); }
    QStringList stations() const
    {
        QStringList items;
        for (int i = 0; i < station()->count(); ++i)
            items << station()->itemText(i);
        return items;
    }
};

} // namespace

// The timetable properties dialog and the header lines it writes.
class PropertiesDialogTest : public QObject {
    Q_OBJECT

private slots:
    void aNewDocumentShowsEmptyFieldsAndOkOnlyAsksForTheSimulator()
    {
        App app;
        Properties dialog{app};
        dialog.open();
        QVERIFY(dialog.form.isVisible());
        QCOMPARE(dialog.form.windowTitle(), QStringLiteral("Vlastnosti"));
        for (const char *name : {"B3", "B9", "C1", "C3", "C5", "C7", "C9"})
            QCOMPARE(dialog.edit(name)->text(), QString());
        QCOMPARE(dialog.simulator()->currentIndex(), -1);
        QCOMPARE(dialog.simulator()->count(), 6);
        QVERIFY(!dialog.station()->isEnabled());
        QVERIFY(paintedGrey(*dialog.station()));
        QCOMPARE(dialog.station()->count(), 0);
        QVERIFY(!dialog.field<QLabel>("B6")->isEnabled());
        QVERIFY(dialog.edit("C7")->isReadOnly() && dialog.edit("C9")->isReadOnly());
        QVERIFY(dialog.field<QPushButton>("D1")->isDefault());

        dialog.ok();
        QCOMPARE(app.prompts.messages(), QStringList{QStringLiteral("Není uveden údaj: Pro simulátor!")});
        QVERIFY(dialog.form.isVisible());
        QVERIFY(!app.state().DocumentModified);
    }

    void aSimulatorWithStationOptionsAsksForTheStation()
    {
        App app;
        Properties dialog{app};
        dialog.open();
        dialog.choose(0);
        QVERIFY(dialog.station()->isEnabled());
        QVERIFY(!paintedGrey(*dialog.station()));
        QVERIFY(dialog.field<QLabel>("B6")->isEnabled());
        QCOMPARE(dialog.stations(), (QStringList{"Plavy", "Nový Lesov"}));
        QCOMPARE(dialog.station()->currentIndex(), -1);

        dialog.edit("B9")->setText(QStringLiteral("vozy.txt"));
        dialog.ok();
        QCOMPARE(app.prompts.messages(), QStringList{QStringLiteral("Není uveden údaj: Upřesnit ŽST!")});
        QCOMPARE(app.lines().line(2), QStringLiteral("Zelto ŽST Vrbinov"));
        QCOMPARE(app.lines().line(6), QStringLiteral("vozy.txt"));
        QCOMPARE(app.lines().line(7), QString());
        QVERIFY(dialog.form.isVisible());

        dialog.cancel();
        QVERIFY(!dialog.form.isVisible());
        QVERIFY(app.main().isEnabled());
        QCOMPARE(app.lines().line(2), QStringLiteral("Zelto ŽST Vrbinov"));
    }

    void aMissingVehicleFileIsReportedLast()
    {
        App app;
        Properties dialog{app};
        dialog.open();
        dialog.choose(1);
        dialog.station()->setCurrentIndex(1);
        dialog.ok();
        QCOMPARE(app.prompts.messages(), QStringList{QStringLiteral("Není uveden údaj: Soubor vozidel!")});
        QCOMPARE(app.lines().line(7), QStringLiteral("Česká Zálesí"));
    }

    void okWritesEveryFieldToItsLineAndCloses()
    {
        App app;
        Properties dialog{app};
        dialog.open();
        dialog.edit("B3")->setText(QStringLiteral("Ranní provoz"));
        dialog.choose(2);
        dialog.station()->setCurrentIndex(1);
        dialog.edit("B9")->setText(QStringLiteral("data\\vozy.txt"));
        dialog.edit("C1")->setText(QStringLiteral("Autor"));
        dialog.edit("C3")->setText(QStringLiteral("1.0"));
        dialog.edit("C5")->setText(QStringLiteral("Poznámka"));
        dialog.ok();
        QVERIFY(app.prompts.messages().isEmpty());
        QVERIFY(!dialog.form.isVisible());
        QVERIFY(app.main().isEnabled());
        QCOMPARE(app.lines().allLines().mid(0, 11),
                 (QStringList{"Ranní provoz", "Zelto ŽST Zálesí", "", "", "", "data\\vozy.txt", "Dolanov n.Ok.",
                              "Autor", "1.0", "Poznámka", ""}));
        QCOMPARE(app.lines().lineCount(), 30);
    }

    void showingFillsTheFieldsFromTheHeader()
    {
        App app;
        app.lines().setText(QStringLiteral("Název\nZelto ŽST Dolanov\nnum-code\n20TGX editor 2.0\n0\nv.txt\n"
                                           "Česká Zálesí\nJá\n2\nK\n")
                            + QString(20, u'\n'));
        Properties dialog{app};
        dialog.open();
        QCOMPARE(dialog.edit("B3")->text(), QStringLiteral("Název"));
        QCOMPARE(dialog.simulator()->currentText(), QStringLiteral("Zelto ŽST Dolanov"));
        QCOMPARE(dialog.station()->currentText(), QStringLiteral("Česká Zálesí"));
        QCOMPARE(dialog.edit("B9")->text(), QStringLiteral("v.txt"));
        QCOMPARE(dialog.edit("C1")->text(), QStringLiteral("Já"));
        QCOMPARE(dialog.edit("C3")->text(), QStringLiteral("2"));
        QCOMPARE(dialog.edit("C5")->text(), QStringLiteral("K"));
        QCOMPARE(dialog.edit("C7")->text(), QStringLiteral("TGX editor 2.0"));
        QCOMPARE(dialog.edit("C9")->text(), QStringLiteral("num-code"));
        QCOMPARE(QApplication::focusWidget() == dialog.field<QPushButton>("D1")
                     || dialog.form.focusWidget() == dialog.field<QPushButton>("D1"),
                 true);

        // Nothing changed: no line is written, so the document stays unmodified.
        app.state().DocumentModified = false;
        dialog.ok();
        QVERIFY(!dialog.form.isVisible());
        QVERIFY(!app.state().DocumentModified);
    }

    void aStationThatIsNotAnOptionIsCleared_data()
    {
        QTest::addColumn<QString>("simulator");
        QTest::addColumn<QString>("line7");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("simulator without options") << QStringLiteral("Zelto ŽST Hutky") << QStringLiteral("Plavy")
                                                   << QStringList{} << QStringList{};
        QTest::newRow("another simulator's option")
            << QStringLiteral("Zelto ŽST Dolanov") << QStringLiteral("Nový Lesov")
            << QStringList{"Loučkovice", "Česká Zálesí"} << QStringList{"Není uveden údaj: Upřesnit ŽST!"};
    }

    void aStationThatIsNotAnOptionIsCleared()
    {
        QFETCH(QString, simulator);
        QFETCH(QString, line7);
        QFETCH(QStringList, options);
        QFETCH(QStringList, messages);
        App app;
        app.lines().replaceLine(2, simulator);
        app.lines().replaceLine(6, QStringLiteral("v.txt"));
        app.lines().replaceLine(7, line7);
        Properties dialog{app};
        dialog.open();
        QCOMPARE(dialog.stations(), options);
        QCOMPARE(dialog.station()->isEnabled(), !options.isEmpty());
        QCOMPARE(dialog.station()->currentIndex(), -1);
        dialog.ok();
        QCOMPARE(app.lines().line(7), QString());
        QCOMPARE(app.prompts.messages(), messages);
    }

    void aSimulatorNameInOtherLetterCaseSelectsNothing()
    {
        App app;
        app.lines().replaceLine(2, QStringLiteral("zelto žst hutky"));
        Properties dialog{app};
        dialog.open();
        QCOMPARE(dialog.simulator()->currentIndex(), -1);
    }

    void theLastChoiceStaysWhenLine2NamesNoSimulator()
    {
        App app;
        Properties dialog{app};
        dialog.open();
        dialog.choose(0); // "Zelto ŽST Vrbinov", which has station options
        dialog.cancel();
        app.lines().replaceLine(2, QString());
        app.lines().replaceLine(6, QStringLiteral("v.txt"));

        dialog.open();
        QCOMPARE(dialog.simulator()->currentText(), QStringLiteral("Zelto ŽST Vrbinov"));
        QVERIFY(!dialog.station()->isEnabled()); // only a match of line 2 offers the stations
        dialog.ok();
        QVERIFY(!dialog.form.isVisible());
        QCOMPARE(app.lines().line(2), QStringLiteral("Zelto ŽST Vrbinov"));
        QCOMPARE(app.lines().line(7), QString());
    }

    void switchingSimulatorsLeavesTheStationUnselected()
    {
        App app;
        app.lines().replaceLine(2, QStringLiteral("Zelto ŽST Dolanov"));
        app.lines().replaceLine(7, QStringLiteral("Loučkovice"));
        Properties dialog{app};
        dialog.open();
        QCOMPARE(dialog.station()->currentText(), QStringLiteral("Loučkovice"));
        dialog.choose(2);
        QCOMPARE(dialog.stations(), (QStringList{"Loučkovice", "Dolanov n.Ok."}));
        QCOMPARE(dialog.station()->currentIndex(), -1);
        dialog.choose(1);
        QCOMPARE(dialog.station()->currentIndex(), -1);
        dialog.choose(4);
        QVERIFY(!dialog.station()->isEnabled());
        QVERIFY(paintedGrey(*dialog.station()));
    }

    void editorFieldShowsTheWriterNameOnly()
    {
        App app;
        app.lines().replaceLine(4, QStringLiteral("20"));
        Properties dialog{app};
        dialog.open();
        QCOMPARE(dialog.edit("C7")->text(), QString());
    }

    void aShortDocumentGetsNoNewLines()
    {
        App app;
        app.lines().setText(QStringLiteral("a\nb\nc\n"));
        Properties dialog{app};
        dialog.open();
        QCOMPARE(dialog.edit("B9")->text(), QString());
        dialog.edit("B3")->setText(QStringLiteral("Nový název"));
        dialog.choose(3);
        dialog.edit("B9")->setText(QStringLiteral("v.txt"));
        dialog.ok();
        QCOMPARE(app.lines().allLines(), (QStringList{"Nový název", "Zelto ŽST Hutky", "c"}));
        QVERIFY(!dialog.form.isVisible()); // every required field was filled
    }

    void tabOrderFollowsTheFields()
    {
        App app;
        Properties dialog{app};
        QStringList order;
        QWidget *w = dialog.edit("B3");
        for (int i = 0; i < 8; ++i) {
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus)
                w = w->nextInFocusChain();
            order << w->objectName();
        }
        QCOMPARE(order, (QStringList{"B5", "B7", "B9", "C1", "C3", "C5", "C7", "C9"}));
    }
};

QTEST_MAIN(PropertiesDialogTest)
#include "properties_dialog_test.moc"
