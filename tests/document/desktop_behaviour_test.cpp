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

#include <array>
#include <memory>

using namespace tgx;
using namespace tgx::test;

namespace {

const QString kHutky = QStringLiteral("Zelto ŽST Hutky");

StatusPanel *panel(App &app, int index)
{
    return app.main().findChild<StatusPanel *>(QStringLiteral("Panel%1").arg(index));
}

QPlainTextEdit *sourceView(App &app) { return app.main().findChild<QPlainTextEdit *>(QStringLiteral("B0")); }

// A text longer than a single-line edit holds unless told otherwise (32,767).
QString longText(QChar first)
{
    QString text(40000, u'y');
    text[0] = first;
    text[text.size() - 1] = u'Z';
    return text;
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
        const int narrowest = app.main().minimumSizeHint().width();
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
        QCOMPARE(panel(app, 0)->width(), 120);
        QVERIFY(panel(app, 0)->geometry().right() < panel(app, 1)->geometry().left());
        const StatusPanel *file = panel(app, 1);
        const QString shown = file->shownText();
        QVERIFY2(shown.contains(u'…') && shown.startsWith(path.left(5)) && shown.endsWith(u"grafikon.46g"),
                 qPrintable(shown));
        QTextDocument tip;
        tip.setHtml(file->toolTip());
        QCOMPARE(tip.toPlainText(), path); // the whole path, markup-looking folder included

        app.main().resize(narrowest, size.height());
        QCOMPARE(app.main().width(), narrowest);
        app.main().resize(size);
        app.trigger("D2");
        QCOMPARE(file->shownText(), QStringLiteral(" Nový grafikon (neuloženo)"));
        QCOMPARE(file->toolTip(), QString()); // nothing cut, nothing to add
    }

    void lineBreaksInTheSourceViewAreRealOnes_data()
    {
        QTest::addColumn<QString>("typed"); // empty: Shift with the key below
        QTest::addColumn<int>("key");      // or the characters selected when pasting
        QTest::addColumn<QStringList>("lines"); // the first lines afterwards

        QTest::newRow("Shift+Enter") << QString() << int(Qt::Key_Return) << QStringList{"A", "B", ""};
        QTest::newRow("Shift+Enter on the keypad") << QString() << int(Qt::Key_Enter) << QStringList{"A", "B", ""};
        QTest::newRow("pasted line separator") << QStringLiteral("x\u2028y") << 0 << QStringList{"Ax", "yB", ""};
        QTest::newRow("pasted paragraph separator") << QStringLiteral("x\u2029y") << 0 << QStringList{"Ax", "yB", ""};
        QTest::newRow("pasted mixed breaks") << QStringLiteral("1\u20282\r\n3\u20294") << 0
                                             << QStringList{"A1", "2", "3", "4B", ""};
        QTest::newRow("pasted over a selection") << QStringLiteral("x\u2028y") << 1 << QStringList{"Ax", "y", ""};
    }

    void lineBreaksInTheSourceViewAreRealOnes()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QStringList, lines);
        constexpr int kLine = 11; // a header line nothing reads
        App app;
        app.lines().replaceLine(kLine, QStringLiteral("AB"));
        app.main().show();
        app.trigger("F0");
        app.prompts.reset();
        QPlainTextEdit *view = sourceView(app);
        QTextCursor cursor = view->textCursor();
        cursor.setPosition(int(app.lines().text().indexOf(u'A')) + 1); // between A and B
        view->setTextCursor(cursor);

        QSignalSpy changes(view, &QPlainTextEdit::textChanged);
        if (typed.isEmpty()) {
            QTest::keyClick(view, Qt::Key(key), Qt::ShiftModifier);
        } else {
            cursor.setPosition(cursor.position() + key, QTextCursor::KeepAnchor);
            view->setTextCursor(cursor);
            QGuiApplication::clipboard()->setText(typed);
            QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
        }
        QCOMPARE(changes.count(), 1); // one user edit, one run of the change handler
        QCOMPARE(app.lines().allLines().mid(kLine - 1, lines.size()), lines);
        QCOMPARE(app.lines().lineCount(), 30 + lines.size() - 2); // "AB" and the line after it were two
        QVERIFY(!app.lines().text().contains(QChar::LineSeparator));

        const QString path = app.path(QStringLiteral("zlom.46g"));
        app.prompts.chooseFile(path);
        app.trigger("D5");
        QCOMPARE(app.prompts.messages(), QStringList{}); // the save went through
        const QStringList saved = QString::fromLatin1(readFile(path)).split(QStringLiteral("\r\n"));
        QCOMPARE(saved.size(), app.lines().lineCount() + 1); // each line ended by CR LF
        QCOMPARE(saved.mid(kLine - 1, lines.size()), lines);
    }

    void closeRequestsAreIgnoredWhileADialogIsOpen_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("form");
        QTest::newRow("properties") << "D8" << 1;
        QTest::newRow("help") << "F2" << 2;
        QTest::newRow("about") << "F4" << 3;
        QTest::newRow("train") << "E2" << 4;
    }

    void closeRequestsAreIgnoredWhileADialogIsOpen()
    {
        QFETCH(QString, command);
        QFETCH(int, form);
        App app;
        app.lines().replaceLine(2, kHutky); // modified, and a simulator for the train dialog
        app.main().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app.main()));
        app.trigger(command.toLatin1().constData());
        QWidget *open = std::array<QWidget *, 5>{nullptr, &app.forms->A1, &app.forms->A2, &app.forms->A3,
                                                 &app.forms->A4}[form];
        QVERIFY(open->isVisible());
        QVERIFY(!app.main().isEnabled());

        app.main().windowHandle()->close(); // the window manager's close button, Alt+F4
        QVERIFY(!app.main().close());
        QVERIFY(app.main().isVisible());
        QVERIFY(open->isVisible());
        QCOMPARE(app.prompts.shown, QStringList{}); // nothing asked while the dialog is open

        QVERIFY(open->close());
        QVERIFY(app.main().isEnabled());
        app.prompts.answer(Prompts::Answer::Cancel);
        QVERIFY(!app.main().close()); // enabled again: the close query asks
        QCOMPARE(app.prompts.shown, QStringList{"ask: Chcete uložit změny?"});
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
        menu->actions().constFirst()->trigger(); // the same entry brings it back
        QVERIFY(!bar->isHidden());
    }

    void enterInThePropertiesDialogPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("ok"); // else "Storno"

        QTest::newRow("Storno, Enter") << "D0" << int(Qt::Key_Return) << false;
        QTest::newRow("Storno, keypad Enter") << "D0" << int(Qt::Key_Enter) << false;
        QTest::newRow("OK, Enter") << "D1" << int(Qt::Key_Return) << true;
        QTest::newRow("a field: the default button OK") << "B3" << int(Qt::Key_Return) << true;
    }

    void enterInThePropertiesDialogPressesTheFocusedButton()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
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
        QTest::keyClick(focused, Qt::Key(key));
        // "OK" writes line 1 and asks for the simulator; "Storno" writes nothing and closes.
        QCOMPARE(app.lines().line(1), ok ? QStringLiteral("Plán") : QString());
        QCOMPARE(app.prompts.messages(), ok ? QStringList{"Není uveden údaj: Pro simulátor!"} : QStringList{});
        QCOMPARE(dialog.isVisible(), ok);
    }

    void headerFieldsKeepLinesOfAnyLength()
    {
        App app;
        const QList<std::pair<int, const char *>> fields = {{1, "B3"}, {6, "B9"}, {8, "C1"}, {9, "C3"}, {10, "C5"}};
        for (const auto &[line, name] : fields)
            app.lines().replaceLine(line, longText(QChar(u'a' + line)));
        app.lines().replaceLine(2, kHutky);
        app.lines().replaceLine(3, longText(u'k'));
        app.lines().replaceLine(4, QStringLiteral("20") + longText(u'e'));
        const QString document = app.lines().text();
        app.state().DocumentModified = false;

        QWidget &dialog = app.forms->A1;
        app.trigger("D8");
        const auto edit = [&dialog](const char *name) { return dialog.findChild<QLineEdit *>(QString::fromLatin1(name)); };
        for (const auto &[line, name] : fields)
            QCOMPARE(edit(name)->text(), app.lines().line(line));
        QCOMPARE(edit("C9")->text(), longText(u'k'));
        QCOMPARE(edit("C7")->text(), longText(u'e'));

        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("D1")), Qt::LeftButton);
        QCOMPARE(app.prompts.messages(), QStringList{});
        QVERIFY(!dialog.isVisible());
        QCOMPARE(app.lines().text(), document);
        QVERIFY(!app.state().DocumentModified); // nothing differed, nothing was written

        app.trigger("D8");
        edit("C5")->clear();
        edit("C5")->insert(longText(u'P')); // what pasting does
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("D1")), Qt::LeftButton);
        QCOMPARE(app.lines().line(10), longText(u'P'));
    }

    void textsThatLookLikeMarkupShowCharacterForCharacter()
    {
        App app;
        app.lines().replaceLine(2, QStringLiteral("<b>x"));
        QCOMPARE(app.panel(0), QStringLiteral("<b>x"));
        QCOMPARE(panel(app, 0)->shownText(), QStringLiteral("<b>x"));
        QWidget *windows[] = {&app.main(), &app.forms->A1, &app.forms->A2, &app.forms->A3, &app.forms->A4};
        for (QWidget *window : windows) {
            for (QLabel *label : window->findChildren<QLabel *>()) {
                if (!label->objectName().isEmpty() && !label->text().isEmpty())
                    QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
            }
        }
    }
};

QTEST_MAIN(DesktopBehaviourTest)
#include "desktop_behaviour_test.moc"
