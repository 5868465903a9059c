#include "app_fixture.h"
#include "document/header_lines.h"

#include <QListView>
#include <QTest>
#include <QWindow>

using namespace tgx;
using namespace tgx::test;

namespace {

const QString kTrain = QStringLiteral("1804521107050712070011207130740270000012013000000000000000000000000");

// The main window shown and active away from the middle of the screen, with
// a train selected, so that every dialog can open.
bool showWindowWithTrain(App &app)
{
    app.lines().replaceLine(HeaderLine::Simulator, QStringLiteral("Zelto ŽST Hutky"));
    app.lines().appendLine(kTrain);
    auto *list = app.main().findChild<QListView *>(QStringLiteral("B1"));
    list->setCurrentIndex(list->model()->index(0, 0));
    app.main().move(20, 10);
    app.main().show();
    return QTest::qWaitForWindowActive(&app.main());
}

QWidget *form(App &app, const QString &name)
{
    for (QWidget *dialog : std::initializer_list<QWidget *>{&app.forms->A1, &app.forms->A2, &app.forms->A3,
                                                             &app.forms->A4, &app.forms->A5}) {
        if (dialog->objectName() == name)
            return dialog;
    }
    return nullptr;
}

} // namespace

// The dialogs as windows: above the main window, centred over it, and never
// lost behind it while it is disabled.
class DialogWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_other = std::make_unique<QWidget>(); }
    void cleanup() { m_other.reset(); }

    void dialogsStayAboveTheMainWindow_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<bool>("centred"); // the help window has a place of its own
        QTest::addColumn<bool>("click");   // the main window clicked, else activated by the window manager

        QTest::newRow("properties") << "D8" << "A1" << true << true;
        QTest::newRow("help") << "F2" << "A2" << false << false;
        QTest::newRow("about") << "F4" << "A3" << true << true;
        QTest::newRow("add train") << "E2" << "A4" << true << false;
        QTest::newRow("edit train") << "E3" << "A4" << true << true;
        QTest::newRow("repeat train") << "G4" << "A5" << true << false;
    }

    void dialogsStayAboveTheMainWindow()
    {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        QFETCH(bool, centred);
        QFETCH(bool, click);

        App app;
        QVERIFY(showWindowWithTrain(app));
        app.trigger(qPrintable(command));
        QWidget *opened = form(app, dialog);
        QVERIFY(opened->isVisible());
        QVERIFY(opened->isWindow());
        QVERIFY(opened->isEnabled()); // while the main window is not
        QVERIFY(!app.main().isEnabled());
        QCOMPARE(opened->windowHandle()->transientParent(), app.main().windowHandle());
        if (centred) {
            const QPoint offset = opened->frameGeometry().center() - app.main().frameGeometry().center();
            QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y())));
        }

        // Another window in front; then the user turns to the disabled main window.
        m_other->show();
        QVERIFY(QTest::qWaitForWindowActive(m_other.get()));
        if (click)
            QTest::mouseClick(&app.main(), Qt::LeftButton, {}, QPoint(300, 200));
        else
            app.main().activateWindow();
        QTRY_VERIFY(opened->isActiveWindow());
        QVERIFY(opened->isVisible());
    }

private:
    std::unique_ptr<QWidget> m_other;
};

QTEST_MAIN(DialogWindowsTest)
#include "dialog_windows_test.moc"
