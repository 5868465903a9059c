#include "app_fixture.h"
#include "document/status_panel.h"
#include "document/tool_bar.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTextDocument>
#include <QWindow>

#include <memory>

using namespace tgx;
using namespace tgx::test;

namespace {

StatusPanel *panel(App &app, int index)
{
    return app.main().findChild<StatusPanel *>(QStringLiteral("Panel%1").arg(index));
}

// A text longer than a single-line edit holds unless told otherwise (32,767).
QString longText(QChar first)
{
    return first + QString(39998, u'y') + u'Z';
}

} // namespace

// How the windows behave on a desktop: status panels, line breaks in the
// source view, close requests, the window menu, Enter in the properties
// dialog, long header lines and texts that look like markup.
class DesktopBehaviourTest : public QObject {
    Q_OBJECT

private slots:
    void aLongPathIsCutInTheMiddleAndNeverWidensTheWindow()
    {
        App app;
        app.main().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app.main()));
        // What a layout or a window manager could widen the window to.
        const auto widths = [&app] {
            return QList<int>{app.main().minimumSizeHint().width(), app.main().sizeHint().width(),
                              app.main().statusBar()->minimumSizeHint().width(),
                              app.main().statusBar()->sizeHint().width()};
        };
        const QList<int> before = widths();
        const QSize size = app.main().size();

        QString folder = app.path(QStringLiteral("<b>tučně</b>"));
        for (int i = 0; i < 12; ++i)
            folder += QStringLiteral("/velmi dlouhý název složky %1").arg(i);
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/grafikon.46g");
        writeFile(path, QByteArray("\r\n").repeated(30));
        app.prompts.chooseFile(path);
        app.trigger("D3");
        QTest::qWait(100); // the layouts settle

        QCOMPARE(app.panel(1), path);
        QCOMPARE(widths(), before);
        QCOMPARE(app.main().size(), size);
        QVERIFY(panel(app, 0)->geometry().right() < panel(app, 1)->geometry().left());
        const QString shown = panel(app, 1)->shownText();
        QVERIFY2(shown.contains(u'…') && shown.startsWith(path.left(5)) && shown.endsWith(u"grafikon.46g"),
                 qPrintable(shown));
        QTextDocument tip;
        tip.setHtml(panel(app, 1)->toolTip());
        QCOMPARE(tip.toPlainText(), path); // the whole path, markup-looking folder included

        app.main().resize(before.first(), size.height());
        QCOMPARE(app.main().width(), before.first());
        app.main().resize(size);
        app.trigger("D2");
        QCOMPARE(panel(app, 1)->shownText(), QStringLiteral(" Nový grafikon (neuloženo)"));
        QCOMPARE(panel(app, 1)->toolTip(), QString()); // nothing cut, nothing to add
    }

    void lineBreaksInTheSourceViewAreRealOnes_data()
    {
        QTest::addColumn<QString>("pasted");    // empty: Shift with the key below
        QTest::addColumn<int>("keyOrSelected"); // or the characters selected when pasting
        QTest::addColumn<QStringList>("lines"); // the first lines afterwards

        QTest::newRow("Shift+Enter") << QString() << int(Qt::Key_Return) << QStringList{"A", "B", ""};
        QTest::newRow("Shift+Enter on the keypad") << QString() << int(Qt::Key_Enter) << QStringList{"A", "B", ""};
        QTest::newRow("pasted mixed breaks") << QStringLiteral("1\u20282\r\n3\u20294") << 0
                                             << QStringList{"A1", "2", "3", "4B", ""};
        QTest::newRow("pasted over a selection") << QStringLiteral("x\u2028y") << 1 << QStringList{"Ax", "y", ""};
    }

    // One user edit is one run of the change handler, and the lines save.
    void lineBreaksInTheSourceViewAreRealOnes()
    {
        QFETCH(QString, pasted);
        QFETCH(int, keyOrSelected);
        QFETCH(QStringList, lines);
        constexpr int kLine = 11; // a header line nothing reads
        App app;
        app.lines().replaceLine(kLine, QStringLiteral("AB"));
        app.main().show();
        app.trigger("F0");
        app.prompts.reset();
        auto *view = app.main().findChild<QPlainTextEdit *>(QStringLiteral("B0"));
        QTextCursor cursor = view->textCursor();
        cursor.setPosition(int(app.lines().text().indexOf(u'A')) + 1); // between A and B
        cursor.setPosition(cursor.position() + (pasted.isEmpty() ? 0 : keyOrSelected), QTextCursor::KeepAnchor);
        view->setTextCursor(cursor);

        QSignalSpy changes(view, &QPlainTextEdit::textChanged);
        if (pasted.isEmpty()) {
            QTest::keyClick(view, Qt::Key(keyOrSelected), Qt::ShiftModifier);
        } else {
            QGuiApplication::clipboard()->setText(pasted);
            QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
        }
        QCOMPARE(changes.count(), 1);
        QCOMPARE(app.lines().allLines().mid(kLine - 1, lines.size()), lines);

        const QString path = app.path(QStringLiteral("zlom.46g"));
        app.prompts.chooseFile(path);
        app.trigger("D5");
        QCOMPARE(app.prompts.messages(), QStringList{}); // the save went through
        const QStringList saved = QString::fromLatin1(readFile(path)).split(QStringLiteral("\r\n"));
        QCOMPARE(saved.size(), app.lines().lineCount() + 1); // each line ended by CR LF
        QCOMPARE(saved.mid(kLine - 1, lines.size()), lines);
    }

    // Enabled again, the window asks before closing: main_window_test.
    void closeRequestsAreIgnoredWhileADialogIsOpen()
    {
        App app;
        app.lines().replaceLine(2, QStringLiteral("Zelto ŽST Hutky")); // modified, and a simulator for the train dialog
        app.main().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app.main()));
        app.trigger("E2");
        QVERIFY(app.forms->A4.isVisible());
        QVERIFY(!app.main().isEnabled());

        app.main().windowHandle()->close(); // the window manager's close button, Alt+F4
        QVERIFY(!app.main().close());
        QVERIFY(app.main().isVisible());
        QVERIFY(app.forms->A4.isVisible());
        QCOMPARE(app.prompts.shown, QStringList{}); // nothing asked while the dialog is open
    }

    void theToolBarsEntryInTheWindowMenuHasItsCaption()
    {
        App app;
        app.main().show();
        const std::unique_ptr<QMenu> menu(app.main().createPopupMenu());
        QVERIFY(menu);
        QStringList entries;
        for (QAction *entry : menu->actions()) {
            if (!entry->isSeparator())
                entries << entry->text();
        }
        QCOMPARE(entries, QStringList{"Panel nástrojů"});
        auto *bar = app.main().findChild<ToolBar *>(QStringLiteral("B6"));
        menu->actions().constFirst()->trigger();
        QVERIFY(bar->isHidden());
    }

    void enterInThePropertiesDialogPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("ok"); // else "Storno"

        QTest::newRow("Storno") << "D0" << false;
        QTest::newRow("OK") << "D1" << true;
        QTest::newRow("a field: the default button OK") << "B3" << true;
    }

    void enterInThePropertiesDialogPressesTheFocusedButton()
    {
        QFETCH(QString, focus);
        QFETCH(bool, ok);
        App app;
        QWidget &dialog = app.forms->A1;
        app.trigger("D8");
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.findChild<QLineEdit *>(QStringLiteral("B3"))->setText(QStringLiteral("Plán"));
        QWidget *focused = dialog.findChild<QWidget *>(focus);
        focused->setFocus();
        QCOMPARE(QApplication::focusWidget(), focused);
        QTest::keyClick(focused, Qt::Key_Return);
        // "OK" writes line 1 and asks for the simulator; "Storno" writes nothing and closes.
        QCOMPARE(app.lines().line(1), ok ? QStringLiteral("Plán") : QString());
        QCOMPARE(app.prompts.messages(), ok ? QStringList{"Není uveden údaj: Pro simulátor!"} : QStringList{});
        QCOMPARE(dialog.isVisible(), ok);
    }

    void headerFieldsKeepLinesOfAnyLength()
    {
        App app;
        const QList<std::pair<int, const char *>> fields = {{1, "B3"}, {3, "C9"}, {6, "B9"}, {8, "C1"}, {9, "C3"}, {10, "C5"}};
        for (const auto &[line, name] : fields)
            app.lines().replaceLine(line, longText(QChar(u'a' + line)));
        app.lines().replaceLine(2, QStringLiteral("Zelto ŽST Hutky"));
        app.lines().replaceLine(4, QStringLiteral("20") + longText(u'e'));
        QString document = app.lines().text();

        QWidget &dialog = app.forms->A1;
        const auto edit = [&dialog](const char *name) { return dialog.findChild<QLineEdit *>(QString::fromLatin1(name)); };
        app.trigger("D8");
        for (const auto &[line, name] : fields)
            QCOMPARE(edit(name)->text(), app.lines().line(line));
        QCOMPARE(edit("C7")->text(), longText(u'e'));
        edit("C5")->insert(QStringLiteral("P")); // what typing and pasting do
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("D1")), Qt::LeftButton);
        QCOMPARE(app.prompts.messages(), QStringList{});
        const QString comment = longText(QChar(u'a' + 10));
        QCOMPARE(app.lines().text(), document.replace(comment, comment + u'P'));
    }

    void textsThatLookLikeMarkupShowCharacterForCharacter()
    {
        App app;
        app.lines().replaceLine(2, QStringLiteral("<b>x"));
        QCOMPARE(panel(app, 0)->shownText(), QStringLiteral("<b>x"));
        for (QWidget *window : std::initializer_list<QWidget *>{&app.main(), &app.forms->A1, &app.forms->A2,
                                                                &app.forms->A3, &app.forms->A4}) {
            for (QLabel *label : window->findChildren<QLabel *>()) {
                if (!label->objectName().isEmpty() && !label->text().isEmpty())
                    QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
            }
        }
    }
};

QTEST_MAIN(DesktopBehaviourTest)
#include "desktop_behaviour_test.moc"
