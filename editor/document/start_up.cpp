#include "document/start_up.h"

#include "document/file_store.h"
#include "document/forms.h"
#include "document/qt_prompts.h"
#include "document/tool_bar_images.h"
#include "exchange/table_command_line.h"
#include "occupancy/timetable_check.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace tgx {

namespace {

const QString kTitle = QStringLiteral("TGX editor");
const QString kVersion = QStringLiteral("2.0");
const QString kDesktopFileName = QStringLiteral("org.example.tgxeditor"); // the installed desktop entry
const QString kDescription = QStringLiteral("Editor grafikonů pro simulátory Zelto Edice 246.");
const QString kFileArgument = QStringLiteral("soubor");
const QString kFileDescription = QStringLiteral("Grafikon (.46g), který se otevře.");
const QString kFileSyntax = QStringLiteral("[soubor]");
const QString kCheckOption = QStringLiteral("check");
const QString kCheckDescription = QStringLiteral(
    "Zkontroluje zadané grafikony bez okna a vypíše nálezy jako SOUBOR:ŘÁDEK: TEXT. Vrací 0 bez nálezů, "
    "1 s nálezy, 2 když soubor nelze přečíst.");
const QString kExportOption = QStringLiteral("export-csv");
const QString kExportDescription = QStringLiteral(
    "Zapíše vlaky grafikonu do tabulky CSV bez okna: --export-csv GRAFIKON.46g TABULKA.csv.");
const QString kImportOption = QStringLiteral("import-csv");
const QString kImportDescription = QStringLiteral(
    "Připojí vlaky z tabulky CSV ke grafikonu a uloží ho bez okna: --import-csv TABULKA.csv GRAFIKON.46g. "
    "Vrací 0, 2 když soubor nelze přečíst nebo zapsat nebo je řádek tabulky odmítnut (pak se nezapíše nic).");
const QString kTwoFiles = QStringLiteral("Zadejte za --%1 právě dva soubory: %2.\n");
const QString kExportFiles = QStringLiteral("grafikon a tabulku");
const QString kImportFiles = QStringLiteral("tabulku a grafikon");
const QString kNothingToCheck = QStringLiteral("Zadejte za --check alespoň jeden soubor ke kontrole.\n");
const QString kOnlyFirstOpened =
    QStringLiteral("TGX editor pracuje s jedním grafikonem a otevírá jen první soubor. Neotevřeno: %1\n");
const QString kNoCzechTexts = QStringLiteral(
    "České texty Qt nejsou nainstalované (%1, balíček qt6-translations-l10n); tlačítka a dialogy budou anglicky.\n");
const QString kQtTranslation = QStringLiteral("qtbase_cs");

CommandLine stopWith(int exitCode, const QString &message)
{
    return {QString(), {}, std::nullopt, message, exitCode};
}

// The program's options; Qt has already taken its own out of the arguments.
void declareOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(kDescription);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(kCheckOption, kCheckDescription));
    parser.addOption(QCommandLineOption(kExportOption, kExportDescription));
    parser.addOption(QCommandLineOption(kImportOption, kImportDescription));
    parser.addPositionalArgument(kFileArgument, kFileDescription, kFileSyntax);
}

// The editor holds one document, so the first file opens and the others are named.
CommandLine fileToOpen(QStringList files, const QString &workingDirectory)
{
    files.removeAll(QString());
    CommandLine commandLine;
    if (files.isEmpty())
        return commandLine;
    commandLine.file = QDir::cleanPath(QDir(workingDirectory).absoluteFilePath(files.takeFirst()));
    if (!files.isEmpty())
        commandLine.message = kOnlyFirstOpened.arg(files.join(QStringLiteral(", ")));
    return commandLine;
}

// The two files of --export-csv or --import-csv, in the order given.
CommandLine tableFiles(bool importing, const QStringList &files)
{
    if (files.size() != 2) {
        const QString option = importing ? kImportOption : kExportOption;
        return stopWith(kTableFailed, kTwoFiles.arg(option, importing ? kImportFiles : kExportFiles));
    }
    CommandLine commandLine;
    commandLine.tableFiles = TableFiles{importing, files[0], files[1]};
    return commandLine;
}

int runTableCommand(const TableFiles &files)
{
    DiskFileStore store;
    QTextStream err(stderr);
    if (files.importing)
        return importTableCommand(files.from, files.to, store, err);
    return exportTableCommand(files.from, files.to, store, err);
}

void tell(const CommandLine &commandLine)
{
    if (commandLine.message.isEmpty())
        return;
    std::FILE *stream = commandLine.exitCode == 0 ? stdout : stderr;
    std::fputs(commandLine.message.toLocal8Bit().constData(), stream);
}

} // namespace

CommandLine readCommandLine(const QStringList &arguments, const QString &workingDirectory)
{
    QCommandLineParser parser;
    declareOptions(parser);
    if (!parser.parse(arguments))
        return stopWith(EXIT_FAILURE, parser.errorText() + u'\n');
    if (parser.isSet(QStringLiteral("help")))
        return stopWith(EXIT_SUCCESS, parser.helpText());
    if (parser.isSet(QStringLiteral("version")))
        return stopWith(EXIT_SUCCESS, kTitle + u' ' + kVersion + u'\n');
    if (parser.isSet(kCheckOption)) {
        if (parser.positionalArguments().isEmpty())
            return stopWith(kCheckUnreadableFile, kNothingToCheck);
        CommandLine commandLine;
        commandLine.filesToCheck = parser.positionalArguments();
        return commandLine;
    }
    if (parser.isSet(kExportOption) || parser.isSet(kImportOption))
        return tableFiles(parser.isSet(kImportOption), parser.positionalArguments());
    return fileToOpen(parser.positionalArguments(), workingDirectory);
}

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

bool asksToCheckFiles(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--")
            return false;
        if (argument == "--check" || argument == "--export-csv" || argument == "--import-csv")
            return true;
    }
    return false;
}

int runCheck()
{
    QCoreApplication::setApplicationName(kTitle);
    QCoreApplication::setApplicationVersion(kVersion);
    const CommandLine commandLine = readCommandLine(QCoreApplication::arguments(), QDir::currentPath());
    tell(commandLine);
    if (commandLine.exitCode)
        return *commandLine.exitCode;
    if (commandLine.tableFiles)
        return runTableCommand(*commandLine.tableFiles);
    DiskFileStore store;
    QTextStream out(stdout);
    QTextStream err(stderr);
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
    QApplication::setApplicationName(kTitle);
    QApplication::setApplicationVersion(kVersion);
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
