#include "document/start_up.h"

#include "document/file_store.h"
#include "document/forms.h"
#include "document/program_version.h"
#include "document/qt_prompts.h"
#include "document/tool_bar_images.h"
#include "exchange/table_command_line.h"
#include "occupancy/timetable_check.h"
#include "printing/print_command.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace tgx {

namespace {

const QString kDesktopFileName = QStringLiteral("org.example.tgxeditor"); // the installed desktop entry
const QString kNoCzechTexts = QStringLiteral(
    "České texty Qt nejsou nainstalované (%1, balíček qt6-translations-l10n); tlačítka a dialogy budou anglicky.\n");
const QString kQtTranslation = QStringLiteral("qtbase_cs");

void tell(const CommandLine &commandLine)
{
    if (commandLine.message.isEmpty())
        return;
    std::FILE *stream = commandLine.exitCode == 0 ? stdout : stderr;
    std::fputs(commandLine.message.toLocal8Bit().constData(), stream);
}

} // namespace

bool loadCzechQtTexts(QCoreApplication &app)
{
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
    auto *translator = new QTranslator(&app);
    if (!translator->load(kQtTranslation, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

int runOnTerminal()
{
    QCoreApplication::setApplicationName(kProgramTitle);
    QCoreApplication::setApplicationVersion(kProgramVersion);
    const CommandLine commandLine = readCommandLine(QCoreApplication::arguments(), QDir::currentPath());
    tell(commandLine);
    if (commandLine.exitCode)
        return *commandLine.exitCode;
    DiskFileStore store;
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (commandLine.printFiles)
        return printCommand(*commandLine.printFiles, store, err);
    if (const auto &table = commandLine.tableFiles) {
        return table->importing ? importTableCommand(table->from, table->to, store, err)
                                : exportTableCommand(table->from, table->to, store, err);
    }
    return checkFiles(commandLine.filesToCheck, store, out, err);
}

void startEditing(TA0 &mainWindow, const CommandLine &commandLine)
{
    mainWindow.show();
    const bool recovered = mainWindow.offerRecovery();
    if (commandLine.file.isEmpty())
        return;
    // Recovered work is not replaced unasked.
    if (recovered)
        mainWindow.openPath(commandLine.file);
    else
        mainWindow.openFile(commandLine.file);
}

int runEditor(QApplication &app)
{
    QApplication::setApplicationName(kProgramTitle);
    QApplication::setApplicationVersion(kProgramVersion);
    QApplication::setWindowIcon(ToolBarImages::programIcon());
    QGuiApplication::setDesktopFileName(kDesktopFileName);
    if (!loadCzechQtTexts(app))
        std::fputs(kNoCzechTexts.arg(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).toLocal8Bit().constData(),
                   stderr);
    const CommandLine commandLine = readCommandLine(QCoreApplication::arguments(), QDir::currentPath());
    tell(commandLine);
    if (commandLine.exitCode)
        return *commandLine.exitCode;

    QtPrompts prompts;
    DiskFileStore store;
    Forms forms(prompts, store);
    startEditing(forms.A0, commandLine);
    return app.exec();
}

} // namespace tgx
