#include "app_fixture.h"
#include "printed_timetable.h"

#include <QAction>
#include <QComboBox>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTest>

using namespace tgx;
using namespace tgx::test;

namespace {

const QStringList kSheets = {"Odjezdy", "Příjezdy", "Seznam vlaků", "Obsazení kolejí", "Grafikon trati"};

} // namespace

class PrintPreviewTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_app = std::make_unique<App>();
        m_app->lines().setText(generatedTimetable(generatedTrains(150)).join(u'\n'));
        m_app->main().show();
    }

    void cleanup()
    {
        m_app.reset();
    }

    void printOpensThePreviewFromTheFileMenu()
    {
        auto *item = m_app->main().findChild<QAction *>(QStringLiteral("K4"));
        QVERIFY(item);
        QCOMPARE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QVERIFY(item->text().contains(u'&'));
        QCOMPARE(QString(item->text()).remove(u'&'), QStringLiteral("Tisk..."));
        m_app->trigger("K4");
        QWidget &preview = m_app->forms->A6;
        QVERIFY(preview.isVisible());
        QVERIFY(!m_app->main().isEnabled());
        QCOMPARE(preview.windowTitle(), QStringLiteral("Tisk"));
        auto *sheet = preview.findChild<QComboBox *>(QStringLiteral("B1"));
        QStringList offered;
        for (int i = 0; i < sheet->count(); ++i)
            offered << sheet->itemText(i);
        QCOMPARE(offered, kSheets);
        preview.close();
        QVERIFY(m_app->main().isEnabled());
        QCOMPARE(m_app->prompts.shown, QStringList());
    }

    void eachSheetLaysOutItsOwnPages_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");

        QTest::newRow("a table, then the chart by hours") << "Odjezdy" << "Obsazení kolejí";
        QTest::newRow("the chart, then the list of whole lines") << "Obsazení kolejí" << "Seznam vlaků";
        QTest::newRow("the list, then the line's graph") << "Seznam vlaků" << "Grafikon trati";
    }

    void eachSheetLaysOutItsOwnPages()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        m_app->trigger("K4");
        QWidget &preview = m_app->forms->A6;
        auto *sheet = preview.findChild<QComboBox *>(QStringLiteral("B1"));
        auto *pages = preview.findChild<QPrintPreviewWidget *>(QStringLiteral("B2"));
        sheet->setCurrentText(first);
        const int before = pages->pageCount();
        sheet->setCurrentText(second);
        const int after = pages->pageCount();
        QVERIFY(before >= 1);
        QVERIFY(after >= 1);
        QVERIFY2(before != after, qPrintable(QStringLiteral("%1 pages both").arg(before)));
        QCOMPARE(m_app->prompts.messages(), QStringList());
    }

    void printButtonPrintsThroughThePrintDialog_data()
    {
        QTest::addColumn<QString>("file"); // chosen in the dialog; empty: cancelled
        QTest::addColumn<bool>("written");
        QTest::addColumn<QStringList>("messages");

        QTest::newRow("printed to a PDF file") << "odjezdy.pdf" << true << QStringList{};
        QTest::newRow("dialog cancelled") << "" << false << QStringList{};
        QTest::newRow("a file that cannot be written is told")
            << "nic/odjezdy.pdf" << false
            << QStringList{"Error A6-E", "Tisk nelze začít: zařízení nebo soubor nelze otevřít pro zápis."};
    }

    void printButtonPrintsThroughThePrintDialog()
    {
        QFETCH(QString, file);
        QFETCH(bool, written);
        QFETCH(QStringList, messages);
        const QString pdf = file.isEmpty() ? QString() : m_app->path(file);
        m_app->prompts.answerPrintDialog(pdf);
        m_app->trigger("K4");
        QWidget &preview = m_app->forms->A6;
        preview.findChild<QPushButton *>(QStringLiteral("B3"))->click();
        QCOMPARE(m_app->prompts.shown.first(), QStringLiteral("print"));
        QCOMPARE(readFile(pdf).startsWith("%PDF"), written);
        QCOMPARE(m_app->prompts.messages(), messages);
        QVERIFY(preview.isVisible());
    }

private:
    std::unique_ptr<App> m_app;
};

QTEST_MAIN(PrintPreviewTest)
#include "print_preview_test.moc"
