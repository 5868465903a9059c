#include "app_fixture.h"
#include "document/header_lines.h"
#include "document/menu_keys.h"
#include "document/train_list_model.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

// A Hutky train at 07:12 and, after it, an originating one at 06:07.
const QStringList kTrains = {
    QStringLiteral("1804521107050712070011207130740270000012013000000000000000000000000"),
    QStringLiteral("2700734000000000000021106070630230000012013000000000000000000000000"),
};

QWidget *child(App &app, const char *name)
{
    return app.main().findChild<QWidget *>(QString::fromLatin1(name));
}

// The main window shown and active, as shortcuts need, with two trains.
bool showTimetable(App &app)
{
    app.lines().replaceLine(HeaderLine::Simulator, QStringLiteral("Zelto ŽST Hutky"));
    for (const QString &train : kTrains)
        app.lines().appendLine(train);
    app.main().show();
    return QTest::qWaitForWindowActive(&app.main());
}

// What the window shows: the view, the open menu or dialog, the first train
// listed and what was asked or said. An open menu is closed.
QString shown(App &app)
{
    QStringList parts;
    for (const char *view : {"B1", "B0", "G9"}) {
        if (child(app, view)->isVisible())
            parts << QString::fromLatin1(view);
    }
    if (QWidget *menu = QApplication::activePopupWidget()) {
        parts << menu->objectName();
        menu->close();
    }
    for (QWidget *dialog : std::initializer_list<QWidget *>{&app.forms->A1, &app.forms->A4, &app.forms->A5}) {
        if (dialog->isVisible())
            parts << dialog->objectName();
    }
    parts << app.trainList().summary(0).left(8);
    return (parts + app.prompts.shown).join(u'|');
}

} // namespace

// The keyboard: shortcuts of the commands, the menus opened without a mouse,
// and the find bar's Escape.
class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void shortcutsRunTheirCommands_data()
    {
        QTest::addColumn<QString>("startView");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("expected");

        const QString warning = QStringLiteral(
            "info: UPOZORNĚNÍ! Neodborným zásahem ve zdrojovém kódu může dojít k okamžitému ukončení tohoto "
            "programu nebo simulátoru, který tento grafikon bude používat.");
        QTest::newRow("save as") << "E9" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)
                                 << "B1|Os 4521 |save: Nový grafikon.46g";
        QTest::newRow("properties") << "E9" << QKeySequence(Qt::ALT | Qt::Key_Return) << "B1|A1|Os 4521 ";
        QTest::newRow("sort") << "E9" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T) << "B1|Vleč 734";
        QTest::newRow("list view") << "G7" << QKeySequence(Qt::CTRL | Qt::Key_1) << "B1|Os 4521 ";
        QTest::newRow("source view") << "E9" << QKeySequence(Qt::CTRL | Qt::Key_2) << "B0|Os 4521 |" + warning;
        QTest::newRow("occupancy view") << "E9" << QKeySequence(Qt::CTRL | Qt::Key_3) << "G9|Os 4521 ";
        QTest::newRow("occupancy view by F6") << "E9" << QKeySequence(Qt::Key_F6) << "G9|Os 4521 ";
        QTest::newRow("F10 opens the first menu") << "E9" << QKeySequence(Qt::Key_F10) << "B1|D1|Os 4521 ";
        QTest::newRow("Alt with a menu's letter") << "E9" << QKeySequence(Qt::ALT | Qt::Key_S) << "B1|D1|Os 4521 ";
        QTest::newRow("Alt with another menu's letter") << "E9" << QKeySequence(Qt::ALT | Qt::Key_Z) << "B1|E5|Os 4521 ";
        QTest::newRow("an item's letter in the open menu")
            << "E9" << QKeySequence(QKeyCombination(Qt::ALT | Qt::Key_Z), QKeyCombination(Qt::Key_O)) << "G9|Os 4521 ";
    }

    void shortcutsRunTheirCommands()
    {
        QFETCH(QString, startView);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, expected);

        App app;
        QVERIFY(showTimetable(app));
        app.trigger(qPrintable(startView));
        QTest::keySequence(static_cast<QWidget *>(nullptr), keys); // to the focus, or to an open menu
        QCOMPARE(shown(app), expected);
    }

    void mnemonicsAreChosenPerMenu_data()
    {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("marked");

        QTest::newRow("a word's first letter") << QStringList{"Uložit", "Uložit jako..."}
                                               << QStringList{"&Uložit", "Uložit &jako..."};
        QTest::newRow("a letter inside when the first is taken") << QStringList{"Zpět", "Znovu"}
                                                                 << QStringList{"&Zpět", "Z&novu"};
        QTest::newRow("case counts as one, accented letters skipped")
            << QStringList{"nový", "Nápověda"} << QStringList{"&nový", "Ná&pověda"};
        QTest::newRow("a chosen letter kept and taken") << QStringList{"Export", "&Editace"}
                                                        << QStringList{"E&xport", "&Editace"};
        QTest::newRow("separators and captions without a free letter")
            << QStringList{"A", "", "a", "1 & 2"} << QStringList{"&A", "", "a", "1 & 2"};
    }

    void mnemonicsAreChosenPerMenu()
    {
        QFETCH(QStringList, captions);
        QFETCH(QStringList, marked);

        QCOMPARE(withMnemonics(captions), marked);
        for (qsizetype i = 0; i < captions.size(); ++i)
            QCOMPARE(shownCaption(marked[i]), shownCaption(captions[i]));
    }

    void escapeClosesTheFindBarWhereverTheFocusIs_data()
    {
        QTest::addColumn<QString>("command"); // the view chosen
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("focus");

        QTest::newRow("its field") << "E9" << "B1" << "H4";
        QTest::newRow("the list") << "E9" << "B1" << "B1";
        QTest::newRow("the source view") << "F0" << "B0" << "B0";
        QTest::newRow("the chart") << "G7" << "G9" << "G9";
    }

    void escapeClosesTheFindBarWhereverTheFocusIs()
    {
        QFETCH(QString, command);
        QFETCH(QString, view);
        QFETCH(QString, focus);

        App app;
        QVERIFY(showTimetable(app));
        app.trigger(qPrintable(command));
        app.trigger("G5");
        QWidget *focused = child(app, qPrintable(focus));
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key_Escape);
        QVERIFY(!child(app, "H3")->isVisible());
        QVERIFY(child(app, qPrintable(view))->isVisible());
    }

    void newAndOpenCloseTheFindBarAndClearIt_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("chooseFile");
        QTest::addColumn<bool>("barStays");

        QTest::newRow("new") << "D2" << false << false;
        QTest::newRow("open") << "D3" << true << false;
        QTest::newRow("open, the dialog cancelled") << "D3" << false << true;
    }

    void newAndOpenCloseTheFindBarAndClearIt()
    {
        QFETCH(QString, command);
        QFETCH(bool, chooseFile);
        QFETCH(bool, barStays);

        App app;
        QVERIFY(showTimetable(app));
        app.state().DocumentModified = false;
        writeFile(app.path("jiny.46g"), QByteArray("\r\n").repeated(30));
        if (command == u"D3" && chooseFile)
            app.prompts.chooseFile(app.path("jiny.46g"));
        else if (command == u"D3")
            app.prompts.cancelFileDialog();
        app.trigger("G5");
        auto *field = app.main().findChild<QLineEdit *>(QStringLiteral("H4"));
        QTest::keyClicks(field, "734");
        app.trigger(qPrintable(command));
        QCOMPARE(child(app, "H3")->isVisible(), barStays);
        QCOMPARE(field->text(), barStays ? QStringLiteral("734") : QString());
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
