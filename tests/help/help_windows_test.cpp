#include "app_fixture.h"
#include "help/help_text.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace tgx;
using tgx::test::App;

namespace {

// The ways a help or About window can be closed.
enum class Closing { CloseBox, OkButton, ReturnKey, EnterKey };

void closeBy(QWidget &window, Closing way)
{
    switch (way) {
    case Closing::CloseBox:
        window.close();
        break;
    case Closing::OkButton:
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("C2")), Qt::LeftButton);
        break;
    case Closing::ReturnKey:
        QTest::keyClick(&window, Qt::Key_Return);
        break;
    case Closing::EnterKey:
        QTest::keyClick(&window, Qt::Key_Enter, Qt::KeypadModifier);
        break;
    }
}

QLabel *label(QWidget &window, const char *name)
{
    return window.findChild<QLabel *>(QString::fromLatin1(name));
}

} // namespace

class HelpWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void openingDisablesAndClosingEnablesTheMainWindow_data();
    void openingDisablesAndClosingEnablesTheMainWindow();
    void helpWindowShowsTheWholeGuide();
    void typingChangesNothingInTheHelp();
    void helpWindowKeepsItsPlace();
    void aboutDialogShowsItsTexts_data();
    void aboutDialogShowsItsTexts();
    void aboutDialogUsesItsFonts();
    void aboutDialogShowsItsPictures_data();
    void aboutDialogShowsItsPictures();
    void aboutDialogComponentsDoNotOverlap();
};

void HelpWindowsTest::openingDisablesAndClosingEnablesTheMainWindow_data()
{
    QTest::addColumn<QByteArray>("menuItem");
    QTest::addColumn<Closing>("way");

    QTest::newRow("help, close box") << QByteArray("F2") << Closing::CloseBox;
    QTest::newRow("About, close box") << QByteArray("F4") << Closing::CloseBox;
    QTest::newRow("About, OK") << QByteArray("F4") << Closing::OkButton;
    QTest::newRow("About, Return") << QByteArray("F4") << Closing::ReturnKey;
    QTest::newRow("About, keypad Enter") << QByteArray("F4") << Closing::EnterKey;
}

void HelpWindowsTest::openingDisablesAndClosingEnablesTheMainWindow()
{
    QFETCH(QByteArray, menuItem);
    QFETCH(Closing, way);
    App app;
    app.main().show();
    QWidget &window = menuItem == "F2" ? static_cast<QWidget &>(app.forms->A2) : app.forms->A3;

    // Twice: the window is only hidden, and opens again the same way.
    for (int round = 0; round < 2; ++round) {
        app.trigger(menuItem.constData());
        QVERIFY(window.isVisible());
        QVERIFY(!app.main().isEnabled());
        closeBy(window, way);
        QVERIFY(!window.isVisible());
        QVERIFY(app.main().isEnabled());
    }
    QCOMPARE(app.prompts.shown, QStringList());
}

void HelpWindowsTest::helpWindowShowsTheWholeGuide()
{
    App app;
    app.trigger("F2");
    auto *text = app.forms->A2.findChild<QPlainTextEdit *>(QStringLiteral("B0"));
    QVERIFY(text);
    QCOMPARE(text->toPlainText().split(u'\n'), helpTextLines());
    QCOMPARE(text->blockCount(), int(helpTextLines().size())); // the 83 lines of old and the occupancy section
    QCOMPARE(app.forms->A2.size(), QSize(632, 446));
    QCOMPARE(text->geometry(), app.forms->A2.rect());
    QCOMPARE(text->palette().color(QPalette::Base), QColor(Qt::white));
}

void HelpWindowsTest::typingChangesNothingInTheHelp()
{
    App app;
    app.trigger("F2");
    auto *text = app.forms->A2.findChild<QPlainTextEdit *>(QStringLiteral("B0"));
    QVERIFY(text);
    const QString before = text->toPlainText();
    QApplication::clipboard()->setText(QStringLiteral("vložený text"));

    text->setFocus();
    text->selectAll();
    QTest::keyClicks(text, QStringLiteral("prepsano"));
    QTest::keyClick(text, Qt::Key_Backspace);
    QTest::keyClick(text, Qt::Key_Delete);
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(text->toPlainText(), before);
}

void HelpWindowsTest::helpWindowKeepsItsPlace()
{
    App app;
    app.trigger("F2");
    const QPoint place = app.forms->A2.pos();
    QCOMPARE(place, QGuiApplication::primaryScreen()->availableGeometry().topLeft() + QPoint(96, 64));
    app.forms->A2.close();
    app.forms->A2.move(place + QPoint(50, 30));
    app.trigger("F2");
    QCOMPARE(app.forms->A2.pos(), place);
}

void HelpWindowsTest::aboutDialogShowsItsTexts_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("text");

    QTest::newRow("title") << QByteArray("B0") << "TGX editor pro Zelto Edici 246";
    QTest::newRow("version") << QByteArray("B2") << "Verze 2.0";
    QTest::newRow("product") << QByteArray("B3") << "Součást produktu Zelto Edice 246";
    QTest::newRow("maker") << QByteArray("B7") << "Zelto";
    QTest::newRow("author") << QByteArray("B4") << "Ukázkový Autor";
    QTest::newRow("terms") << QByteArray("C0") << "Program smí být šířen pouze zdarma a v nezměněné podobě.";
    // Contact lines are placeholders under example.org, not real addresses.
    QTest::newRow("author's web") << QByteArray("B5") << "www.example.org/tgx-editor";
    QTest::newRow("author's e-mail") << QByteArray("B6") << "tgx-editor@example.org";
    QTest::newRow("maker's web") << QByteArray("B8") << "www.example.org/zelto";
    QTest::newRow("maker's e-mail") << QByteArray("B9") << "zelto@example.org";
}

void HelpWindowsTest::aboutDialogShowsItsTexts()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, text);
    App app;
    QLabel *line = label(app.forms->A3, name.constData());
    QVERIFY(line);
    QCOMPARE(line->text(), text);
    QCOMPARE(app.forms->A3.windowTitle(), QStringLiteral("O programu"));
}

void HelpWindowsTest::aboutDialogUsesItsFonts()
{
    App app;
    TA3 &about = app.forms->A3;
    const QFont title = label(about, "B0")->font();
    QCOMPARE(title.family(), QStringLiteral("Verdana"));
    QCOMPARE(title.pixelSize(), 21);
    QVERIFY(title.bold() && title.underline());
    for (const char *name : {"B2", "B3", "B4", "B5", "B6", "B7", "B8", "B9", "C0"}) {
        const QFont font = label(about, name)->font();
        QCOMPARE(font.pointSize(), 8);
        QVERIFY(!font.bold());
        QCOMPARE(font.underline(), qstrcmp(name, "B4") == 0 || qstrcmp(name, "B7") == 0);
    }
    auto *ok = about.findChild<QPushButton *>(QStringLiteral("C2"));
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
}

void HelpWindowsTest::aboutDialogShowsItsPictures_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("transparent");

    QTest::newRow("emblem") << QByteArray("B1") << QSize(100, 100) << false;
    QTest::newRow("author's logo") << QByteArray("C1") << QSize(140, 41) << true;
    QTest::newRow("maker's logo") << QByteArray("C3") << QSize(90, 44) << true;
}

void HelpWindowsTest::aboutDialogShowsItsPictures()
{
    QFETCH(QByteArray, name);
    QFETCH(QSize, size);
    QFETCH(bool, transparent);
    App app;
    QLabel *picture = label(app.forms->A3, name.constData());
    QVERIFY(picture);
    const QImage image = picture->pixmap().toImage();
    QCOMPARE(image.size(), size);
    QCOMPARE(picture->size(), size);
    QCOMPARE(image.hasAlphaChannel(), transparent);
    if (transparent)
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
}

void HelpWindowsTest::aboutDialogComponentsDoNotOverlap()
{
    App app;
    TA3 &about = app.forms->A3;
    QCOMPARE(about.size(), QSize(392, 266));
    const QList<QWidget *> parts = about.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QCOMPARE(parts.size(), 14); // B0 to B9, C0 to C3
    for (QWidget *part : parts) {
        QVERIFY2(about.rect().contains(part->geometry()), qPrintable(part->objectName()));
        for (QWidget *other : parts) {
            if (other != part)
                QVERIFY2(!part->geometry().intersects(other->geometry()),
                         qPrintable(part->objectName() + u' ' + other->objectName()));
        }
    }
}

QTEST_MAIN(HelpWindowsTest)
#include "help_windows_test.moc"
