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

// A window like the main one: the bar above a list, the list focused, the
// window active, since shortcuts work only there, as for the user.
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
        top.show();
        top.activateWindow();
        if (QTest::qWaitForWindowActive(&top))
            list->setFocus();
    }
};

} // namespace

// The find bar: what it reports of the user's keys and how it shows and hides.
// Typing and Enter in the field are tested through the main window
// (editing_commands_test).
class FindBarTest : public QObject {
    Q_OBJECT

private slots:
    // Opening again selects the text and shows no stale "Nenalezeno"; an
    // empty text is never reported as not found.
    void opensFocusedAndSaysWhenNothingIsFound()
    {
        Window w;
        QVERIFY(w.list->hasFocus());
        QVERIFY(!w.bar->isVisible());
        w.bar->open();
        QVERIFY(w.bar->isVisible());
        QVERIFY(w.field->hasFocus());
        QCOMPARE(w.notFound->text(), QStringLiteral("Nenalezeno"));
        QTest::keyClicks(w.field, "Os 45");
        const auto notFoundShows = [&w](bool found) {
            w.bar->setFound(found);
            return w.notFound->isVisible();
        };
        QVERIFY(notFoundShows(false));
        QVERIFY(!notFoundShows(true));
        QVERIFY(notFoundShows(false));
        w.bar->open(); // Ctrl+F again, the cursor still in the field
        QCOMPARE(w.field->selectedText(), QStringLiteral("Os 45"));
        QVERIFY(!w.notFound->isVisible());
        w.field->clear();
        QVERIFY(!notFoundShows(false));
    }

    void keysAndTheCloseButton_data()
    {
        QTest::addColumn<QString>("target"); // "field", "list" or the close "button"
        QTest::addColumn<bool>("shown");     // the bar before the key
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("nextRequests");
        QTest::addColumn<bool>("hides"); // and gives the list its focus back

        QTest::newRow("F3 in the field") << "field" << true << int(Qt::Key_F3) << 1 << false;
        QTest::newRow("F3 in the list") << "list" << true << int(Qt::Key_F3) << 1 << false;
        QTest::newRow("F3 with the bar hidden") << "list" << false << int(Qt::Key_F3) << 0 << false;
        QTest::newRow("Enter in the list") << "list" << true << int(Qt::Key_Return) << 0 << false;
        QTest::newRow("Escape in the field") << "field" << true << int(Qt::Key_Escape) << 0 << true;
        QTest::newRow("Escape in the list") << "list" << true << int(Qt::Key_Escape) << 0 << true;
        QTest::newRow("Escape with the bar hidden") << "list" << false << int(Qt::Key_Escape) << 0 << false;
        QTest::newRow("close button") << "button" << true << 0 << 0 << true;
    }

    void keysAndTheCloseButton()
    {
        QFETCH(QString, target);
        QFETCH(bool, shown);
        QFETCH(int, key);
        QFETCH(int, nextRequests);
        QFETCH(bool, hides);

        Window w;
        QVERIFY(w.list->hasFocus());
        if (shown)
            w.bar->open();
        QSignalSpy next(w.bar, &FindBar::nextRequested);
        QSignalSpy dismissed(w.bar, &FindBar::dismissed);
        if (target == u"button") {
            QTest::mouseClick(w.bar->findChild<QToolButton *>(QStringLiteral("H6")), Qt::LeftButton);
        } else {
            QWidget *focused = target == u"list" ? static_cast<QWidget *>(w.list) : w.field;
            focused->setFocus();
            QTest::keyClick(focused, Qt::Key(key));
        }
        QCOMPARE(next.count(), nextRequests);
        QCOMPARE(w.bar->isVisible(), shown && !hides);
        QCOMPARE(dismissed.count(), hides ? 1 : 0);
        if (hides)
            QVERIFY(w.list->hasFocus());
    }
};

QTEST_MAIN(FindBarTest)
#include "tst_find_bar.moc"
