#include "app_fixture.h"
#include "document/qt_prompts.h"
#include "document/start_up.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace tgx;
using namespace tgx::test;

namespace {

const QString kProgram = QStringLiteral("tgxeditor");
const QString kHome = QStringLiteral("/home/jana/grafikony");
constexpr const char *kNoCzechTexts =
    "Qt's Czech translation qtbase_cs.qm is not installed (package qt6-translations-l10n, which "
    "scripts/install-packages installs).";

QByteArray headerWith(const QByteArray &line2, const QByteArray &line3)
{
    QByteArray bytes = "Pl\xE1n\r\n" + line2 + "\r\n" + line3 + "\r\n20TGX editor 2.0\r\n";
    for (int line = 5; line <= 30; ++line)
        bytes += "\r\n";
    return bytes;
}

// What a message box showed, read while it was open: its text, its format and
// the captions of its OK, Yes, No and Cancel buttons, where present.
struct ShownBox {
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QStringList buttons;
};

// Runs show, which opens a message box, reads the box once it is open and
// presses its Yes or OK button.
ShownBox readBox(const std::function<void()> &show)
{
    ShownBox shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&poll, &shown] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll.stop();
        shown = {box->text(), box->textFormat(), {}};
        for (auto kind : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
            if (QAbstractButton *button = box->button(kind))
                shown.buttons << button->text().remove(u'&');
        }
        (box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes) : box->button(QMessageBox::Ok))->click();
    });
    poll.start(10);
    show();
    return shown;
}

bool czechTextsInstalled()
{
    return QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_cs.qm"));
}

} // namespace

// Start-up: the command line, opening the file it names, and Qt's Czech texts
// in real message boxes.
class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_czech = czechTextsInstalled();
        if (m_czech)
            QVERIFY(loadCzechQtTexts(*QCoreApplication::instance()));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("exitCode"); // -1: the editor starts
        QTest::addColumn<QStringList>("message"); // pieces the terminal message holds

        QTest::newRow("absolute path") << QStringList{"/data/plán.46g"} << "/data/plán.46g" << -1 << QStringList{};
        QTest::newRow("relative path") << QStringList{"plan.46g"} << kHome + "/plan.46g" << -1 << QStringList{};
        QTest::newRow("dots in the path") << QStringList{"../jiné/./plan.46g"} << "/home/jana/jiné/plan.46g" << -1
                                          << QStringList{};
        QTest::newRow("name like an option after --") << QStringList{"--", "-plan.46g"} << kHome + "/-plan.46g"
                                                      << -1 << QStringList{};
        QTest::newRow("several files: the first opens")
            << QStringList{"a.46g", "b.46g", "/c.46g"} << kHome + "/a.46g" << -1
            << QStringList{"jen první soubor", "b.46g, /c.46g"};
        QTest::newRow("empty argument") << QStringList{""} << QString() << -1 << QStringList{};
        QTest::newRow("help") << QStringList{"--help"} << QString() << 0
                              << QStringList{"Použití:", "Volby:", "--check", "soubor", "Zelto Edice 246"};
        QTest::newRow("-h") << QStringList{"-h"} << QString() << 0 << QStringList{"Použití:"};
        QTest::newRow("version") << QStringList{"--version"} << QString() << 0 << QStringList{"TGX editor 2.0\n"};
        QTest::newRow("-v") << QStringList{"-v"} << QString() << 0 << QStringList{"TGX editor 2.0\n"};
        // Usage errors exit 2: 1 means that checking found something.
        QTest::newRow("unknown option") << QStringList{"--smazat", "a.46g"} << QString() << 2
                                        << QStringList{"„--smazat“", "--help"};
        QTest::newRow("unknown option with --check") << QStringList{"--check", "--bogus", "a.46g"} << QString() << 2
                                                     << QStringList{"„--bogus“"};
        QTest::newRow("a value for --check") << QStringList{"--check=a.46g"} << QString() << 2
                                             << QStringList{"chybně", "--help"};
        QTest::newRow("check without files") << QStringList{"--check"} << QString() << 2
                                             << QStringList{"--check", "soubor"};
        QTest::newRow("export with one file") << QStringList{"--export-csv", "a.46g"} << QString() << 2
                                              << QStringList{"--export-csv", "dva soubory"};
        QTest::newRow("import with three files") << QStringList{"--import-csv", "a.csv", "b.46g", "c.46g"}
                                                 << QString() << 2 << QStringList{"--import-csv", "dva soubory"};
        QTest::newRow("help names --print and its sheets") << QStringList{"--help"} << QString() << 0
                                                           << QStringList{"--print", "odjezdy, prijezdy, seznam, obsazeni"};
        QTest::newRow("print with two files") << QStringList{"--print", "odjezdy", "a.46g"} << QString() << 2
                                              << QStringList{"--print", "list, grafikon a soubor PDF"};
        QTest::newRow("print an unknown sheet") << QStringList{"--print", "odjezd", "a.46g", "a.pdf"} << QString()
                                                << 2 << QStringList{"„odjezd“", "odjezdy, prijezdy"};
        QTest::newRow("print the line's graph, which needs the window")
            << QStringList{"--print", "grafikon", "a.46g", "a.pdf"} << QString() << 2 << QStringList{"„grafikon“"};
        QTest::newRow("print a sheet") << QStringList{"--print", "seznam", "a.46g", "a.pdf"} << QString() << -1
                                       << QStringList{};
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        QFETCH(int, exitCode);
        QFETCH(QStringList, message);
        const CommandLine read = readCommandLine(QStringList{kProgram} + arguments, kHome);
        QCOMPARE(read.file, file);
        QCOMPARE(read.exitCode.value_or(-1), exitCode);
        QCOMPARE(read.message.isEmpty(), message.isEmpty());
        for (const QString &piece : message)
            QVERIFY2(read.message.contains(piece), qPrintable(read.message));
    }

    void checkingTakesEveryFileAsGiven()
    {
        const CommandLine read = readCommandLine({kProgram, "--check", "a.46g", "../b.46g"}, kHome);
        QCOMPARE(read.filesToCheck, (QStringList{"a.46g", "../b.46g"}));
        QCOMPARE(read.file, QString());
        QVERIFY(!read.exitCode);
        QVERIFY(read.message.isEmpty());
    }

    void answersOnTheTerminalNeedNoDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("checks");
        QTest::newRow("a file") << QStringList{"plan.46g"} << false;
        QTest::newRow("check") << QStringList{"--check", "plan.46g"} << true;
        QTest::newRow("check after an option") << QStringList{"-style", "fusion", "--check", "a.46g"} << true;
        QTest::newRow("a file named --check") << QStringList{"--", "--check"} << false;
        QTest::newRow("export") << QStringList{"--export-csv", "a.46g", "a.csv"} << true;
        QTest::newRow("import") << QStringList{"--import-csv", "a.csv", "a.46g"} << true;
        QTest::newRow("help") << QStringList{"--help"} << true;
        QTest::newRow("-h") << QStringList{"-h"} << true;
        QTest::newRow("version") << QStringList{"--version"} << true;
        QTest::newRow("-v") << QStringList{"plan.46g", "-v"} << true;
        QTest::newRow("a file named -v") << QStringList{"--", "-v"} << false;
        QTest::newRow("Qt's own option") << QStringList{"-platform", "offscreen"} << false;
    }

    void answersOnTheTerminalNeedNoDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, checks);
        QList<QByteArray> bytes;
        for (const QString &argument : QStringList{kProgram} + arguments)
            bytes << argument.toUtf8();
        std::vector<char *> argv;
        for (QByteArray &argument : bytes)
            argv.push_back(argument.data());
        QCOMPARE(answersOnTerminal(int(argv.size()), argv.data()), checks);
    }

    void aFileOnTheCommandLineOpensAsOpenOpensIt_data()
    {
        QTest::addColumn<QString>("name");     // empty: none given
        QTest::addColumn<QByteArray>("bytes"); // empty: no such file

        QTest::newRow("no file: a new document") << QString() << QByteArray();
        QTest::newRow("a file with warnings") << "cizí.46g" << headerWith("<b>x", "utf-8");
        QTest::newRow("missing file") << "chybí.46g" << QByteArray();
    }

    void aFileOnTheCommandLineOpensAsOpenOpensIt()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        App started;
        const QString path = started.path(name);
        if (!bytes.isEmpty())
            writeFile(path, bytes);

        const QStringList arguments = name.isEmpty() ? QStringList{kProgram} : QStringList{kProgram, path};
        startEditing(started.main(), readCommandLine(arguments, QDir::rootPath()));
        QVERIFY(started.main().isVisible());

        App opened; // the same file through "Otevřít..."
        if (!name.isEmpty()) {
            opened.prompts.chooseFile(path);
            opened.trigger("D3");
        }
        // Open itself, the missing file included: document_files_test, hostile_files_test.
        QCOMPARE(started.prompts.shown, opened.prompts.shown.mid(1)); // all but the open dialog
        QCOMPARE(started.lines().text(), opened.lines().text());
        QCOMPARE(started.state().DocumentFileName, opened.state().DocumentFileName);
        QCOMPARE(started.state().DocumentModified, opened.state().DocumentModified);
        QCOMPARE(started.panel(0), opened.panel(0));
        QCOMPARE(started.panel(1), opened.panel(1));
    }

    void messageBoxesShowCzechButtonsAndPlainText_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<int>("answer"); // of the first button; -1 for a message

        QTest::newRow("information") << 0 << QStringList{"OK"} << -1;
        QTest::newRow("error report") << 1 << QStringList{"OK"} << -1;
        QTest::newRow("yes or no") << 2 << QStringList{"Ano", "Ne"} << int(Prompts::Answer::Yes);
        QTest::newRow("yes, no or cancel") << 3 << QStringList{"Ano", "Ne", "Zrušit"} << int(Prompts::Answer::Yes);
    }

    void messageBoxesShowCzechButtonsAndPlainText()
    {
        if (!m_czech)
            QSKIP(kNoCzechTexts);
        QFETCH(int, kind);
        QFETCH(QStringList, buttons);
        QFETCH(int, answer);
        const QString text = QStringLiteral("<b>x</b> & <i>y</i>\r\rChcete uložit změny?");
        QtPrompts prompts;
        int answered = -1;
        const ShownBox box = readBox([&] {
            switch (kind) {
            case 0: prompts.inform(text); break;
            case 1: prompts.reportError(text); break;
            case 2: answered = int(prompts.askYesNo(text)); break;
            default: answered = int(prompts.askYesNoCancel(text)); break;
            }
        });
        QCOMPARE(box.text, QString(text).replace(u'\r', u'\n'));
        QCOMPARE(box.format, Qt::PlainText);
        QCOMPARE(box.buttons, buttons);
        QCOMPARE(answered, answer);
    }

private:
    bool m_czech = false; // Qt's Czech translation is installed and loaded
};

QTEST_MAIN(StartUpTest)
#include "start_up_test.moc"
