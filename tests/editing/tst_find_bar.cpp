#include "editing/find_bar.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

using namespace tgx;

namespace {

// A window like the main one: the bar above a list.
struct Window {
    QWidget top;
    FindBar *bar = new FindBar(&top);
    QListWidget *list = new QListWidget(&top);
    QLineEdit *field = bar->findChild<QLineEdit *>(QStringLiteral("H4"));
    QLabel *notFound = bar->findChild<QLabel *>(QStringLiteral("H5"));

    Window()
    {
        auto *layout = new QVBoxLayout(&top);
        layout->addWidget(bar);
        layout->addWidget(list);
        list->addItems({QStringLiteral("Os 4521"), QStringLiteral("R 700")});
        top.show();
    }
    // Shortcuts work only in the active window, as for the user.
    bool activate()
    {
        top.activateWindow();
        return QTest::qWaitForWindowActive(&top);
    }
};

} // namespace

// The find bar: what it reports of the user's keys and how it shows and hides.
class FindBarTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheFieldFocusedAndItsTextSelected()
    {
        Window w;
        QVERIFY(w.activate());
        QCOMPARE(w.bar->objectName(), QStringLiteral("H3"));
        QVERIFY(!w.bar->isVisible());
        w.list->setFocus();
        w.bar->open();
        QVERIFY(w.bar->isVisible());
        QVERIFY(w.field->hasFocus());
        QTest::keyClicks(w.field, "Os 45");
        w.list->setFocus();
        w.bar->open();
        QVERIFY(w.field->hasFocus());
        QCOMPARE(w.field->selectedText(), QStringLiteral("Os 45"));
    }

    void typingReportsEachText()
    {
        Window w;
        w.bar->open();
        QSignalSpy edited(w.bar, &FindBar::textEdited);
        QTest::keyClicks(w.field, "Os");
        QTest::keyClick(w.field, Qt::Key_Backspace);
        QCOMPARE(edited.count(), 3);
        QCOMPARE(edited.at(0).at(0).toString(), QStringLiteral("O"));
        QCOMPARE(edited.at(1).at(0).toString(), QStringLiteral("Os"));
        QCOMPARE(edited.at(2).at(0).toString(), QStringLiteral("O"));
        QCOMPARE(w.bar->text(), QStringLiteral("O"));
    }

    void enterAndF3AskForTheNextMatch_data()
    {
        QTest::addColumn<bool>("listFocused"); // else the field has the focus
        QTest::addColumn<bool>("barShown");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("requests");

        QTest::newRow("Enter in the field") << false << true << int(Qt::Key_Return) << 1;
        QTest::newRow("F3 in the field") << false << true << int(Qt::Key_F3) << 1;
        QTest::newRow("F3 in the list") << true << true << int(Qt::Key_F3) << 1;
        QTest::newRow("Enter in the list") << true << true << int(Qt::Key_Return) << 0;
        QTest::newRow("F3 with the bar hidden") << true << false << int(Qt::Key_F3) << 0;
    }

    void enterAndF3AskForTheNextMatch()
    {
        QFETCH(bool, listFocused);
        QFETCH(bool, barShown);
        QFETCH(int, key);
        QFETCH(int, requests);

        Window w;
        QVERIFY(w.activate());
        if (barShown)
            w.bar->open();
        QWidget *target = listFocused ? static_cast<QWidget *>(w.list) : w.field;
        target->setFocus();
        QSignalSpy next(w.bar, &FindBar::nextRequested);
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(next.count(), requests);
    }

    void escapeAndTheCloseButtonHideTheBarAndGiveTheFocusBack_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("hides");

        QTest::newRow("Escape in the field") << "field" << true;
        QTest::newRow("close button") << "button" << true;
        QTest::newRow("Escape in the list") << "list" << false;
    }

    void escapeAndTheCloseButtonHideTheBarAndGiveTheFocusBack()
    {
        QFETCH(QString, how);
        QFETCH(bool, hides);

        Window w;
        QVERIFY(w.activate());
        w.list->setFocus();
        w.bar->open();
        QSignalSpy dismissed(w.bar, &FindBar::dismissed);
        if (how == "button") {
            QTest::mouseClick(w.bar->findChild<QToolButton *>(QStringLiteral("H6")), Qt::LeftButton);
        } else {
            QWidget *target = how == "list" ? static_cast<QWidget *>(w.list) : w.field;
            target->setFocus();
            QTest::keyClick(target, Qt::Key_Escape);
        }
        QCOMPARE(w.bar->isVisible(), !hides);
        QCOMPARE(dismissed.count(), hides ? 1 : 0);
        QVERIFY(w.list->hasFocus());
    }

    void notFoundShowsOnlyForATextThatIsNotFound_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("found");
        QTest::addColumn<bool>("shown");

        QTest::newRow("not found") << "Sp 9" << false << true;
        QTest::newRow("found") << "Os" << true << false;
        QTest::newRow("empty text") << "" << false << false;
    }

    void notFoundShowsOnlyForATextThatIsNotFound()
    {
        QFETCH(QString, text);
        QFETCH(bool, found);
        QFETCH(bool, shown);

        Window w;
        w.bar->open();
        QCOMPARE(w.notFound->text(), QStringLiteral("Nenalezeno"));
        QTest::keyClicks(w.field, "x");
        w.bar->setFound(false);
        w.field->setText(text);
        w.bar->setFound(found);
        QCOMPARE(w.notFound->isVisible(), shown);
        w.bar->open(); // opening again shows no stale result
        QVERIFY(!w.notFound->isVisible());
    }
};

QTEST_MAIN(FindBarTest)
#include "tst_find_bar.moc"
