#include "document/command_line.h"

#include "document/program_version.h"
#include "printing/sheet_kinds.h"

#include <QCommandLineParser>
#include <QDir>

#include <algorithm>
#include <cstdlib>

namespace tgx {

namespace {

const QString kUsage = QStringLiteral(
    "Použití: tgxeditor [volby] [soubor]\n"
    "         tgxeditor --check soubor...\n"
    "         tgxeditor --export-csv grafikon.46g tabulka.csv\n"
    "         tgxeditor --import-csv tabulka.csv grafikon.46g\n"
    "         tgxeditor --print list grafikon.46g soubor.pdf\n"
    "\n"
    "Editor grafikonů pro simulátory Zelto Edice 246.\n"
    "\n"
    "Volby:\n");
const QString kArguments = QStringLiteral(
    "\n"
    "Argumenty:\n"
    "  soubor          grafikon (.46g), který se otevře; za „--“ i soubor,\n"
    "                  jehož název začíná znakem „-“\n"
    "\n"
    "Návratový kód: 0 bez chyby a bez nálezů, 1 kontrola našla nálezy,\n"
    "2 soubor nelze přečíst nebo je příkaz zadaný chybně; u tabulek a tisku také\n"
    "když soubor nelze zapsat, u tabulek i když je řádek tabulky odmítnut (pak se\n"
    "nezapíše nic).\n");
const QString kUnknownOption =
    QStringLiteral("Volbu „%1“ TGX editor nezná. Přehled voleb vypíše „tgxeditor --help“.\n");
const QString kWrongOption =
    QStringLiteral("Volby jsou zadané chybně. Přehled voleb vypíše „tgxeditor --help“.\n");
const QString kTwoFiles = QStringLiteral("Zadejte za --%1 právě dva soubory: %2.\n");
const QString kExportFiles = QStringLiteral("grafikon a tabulku");
const QString kImportFiles = QStringLiteral("tabulku a grafikon");
const QString kPrintFiles = QStringLiteral("Zadejte za --print list, grafikon a soubor PDF.\n");
const QString kUnknownSheet = QStringLiteral("List „%1“ TGX editor nezná. Listy: %2.\n");
const QString kNothingToCheck = QStringLiteral("Zadejte za --check alespoň jeden soubor ke kontrole.\n");
const QString kOnlyFirstOpened =
    QStringLiteral("TGX editor pracuje s jedním grafikonem a otevírá jen první soubor. Neotevřeno: %1\n");

// What an option asks of the program.
enum class Request { Help, Version, Check, ExportTable, ImportTable, Print };

// One of the program's options, as --help lists it.
struct Option {
    QStringList names; // one letter: "-h"; longer: "--help"
    Request request;
    QString description;
};

// The program's options, in the order --help lists them. Each answers on
// the terminal and opens no window.
const QList<Option> &options()
{
    static const QList<Option> table = {
        {{QStringLiteral("h"), QStringLiteral("help")}, Request::Help,
         QStringLiteral("vypíše tento přehled a skončí")},
        {{QStringLiteral("v"), QStringLiteral("version")}, Request::Version,
         QStringLiteral("vypíše verzi programu a skončí")},
        {{QStringLiteral("check")}, Request::Check,
         QStringLiteral("zkontroluje zadané grafikony bez okna a vypíše\n"
                        "nálezy jako SOUBOR:ŘÁDEK: TEXT")},
        {{QStringLiteral("export-csv")}, Request::ExportTable,
         QStringLiteral("zapíše vlaky grafikonu do tabulky CSV bez okna")},
        {{QStringLiteral("import-csv")}, Request::ImportTable,
         QStringLiteral("připojí vlaky z tabulky CSV ke grafikonu a uloží\n"
                        "ho jako Uložit; odmítne-li řádek, nezapíše nic")},
        {{QStringLiteral("print")}, Request::Print,
         QStringLiteral("vytiskne list grafikonu do souboru PDF bez okna;\n"
                        "list je jeden z: %1").arg(sheetOptions())},
    };
    return table;
}

// "-h, --help" as the help and the messages show an option.
QString shownNames(const QStringList &names)
{
    QStringList shown;
    for (const QString &name : names)
        shown << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    return shown.join(QStringLiteral(", "));
}

CommandLine stopWith(int exitCode, const QString &message)
{
    return {QString(), {}, message, exitCode, std::nullopt, std::nullopt};
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

CommandLine filesToCheck(const QStringList &files)
{
    if (files.isEmpty())
        return stopWith(kUsageError, kNothingToCheck);
    CommandLine commandLine;
    commandLine.filesToCheck = files;
    return commandLine;
}

// The two files of --export-csv or --import-csv, in the order given.
CommandLine tableFiles(bool importing, const QStringList &files)
{
    if (files.size() != 2)
        return stopWith(kUsageError, kTwoFiles.arg(importing ? QStringLiteral("import-csv") : QStringLiteral("export-csv"),
                                                   importing ? kImportFiles : kExportFiles));
    CommandLine commandLine;
    commandLine.tableFiles = TableFiles{importing, files[0], files[1]};
    return commandLine;
}

// The sheet and the two files of --print.
CommandLine printFiles(const QStringList &arguments)
{
    if (arguments.size() != 3)
        return stopWith(kUsageError, kPrintFiles);
    if (!sheetOfOption(arguments[0]))
        return stopWith(kUsageError, kUnknownSheet.arg(arguments[0], sheetOptions()));
    CommandLine commandLine;
    commandLine.printFiles = PrintFiles{arguments[0], arguments[1], arguments[2]};
    return commandLine;
}

CommandLine wrongOptions(const QCommandLineParser &parser)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty())
        return stopWith(kUsageError, kWrongOption);
    return stopWith(kUsageError, kUnknownOption.arg(shownNames({unknown.first()})));
}

} // namespace

CommandLine readCommandLine(const QStringList &arguments, const QString &workingDirectory)
{
    QCommandLineParser parser;
    for (const Option &option : options())
        parser.addOption(QCommandLineOption(option.names));
    if (!parser.parse(arguments))
        return wrongOptions(parser);
    // The first option of the table that is given decides.
    for (const Option &option : options()) {
        if (!parser.isSet(option.names.first()))
            continue;
        switch (option.request) {
        case Request::Help:
            return stopWith(EXIT_SUCCESS, helpText());
        case Request::Version:
            return stopWith(EXIT_SUCCESS, kProgramTitle + u' ' + kProgramVersion + u'\n');
        case Request::Check:
            return filesToCheck(parser.positionalArguments());
        case Request::ExportTable:
        case Request::ImportTable:
            return tableFiles(option.request == Request::ImportTable, parser.positionalArguments());
        case Request::Print:
            return printFiles(parser.positionalArguments());
        }
    }
    return fileToOpen(parser.positionalArguments(), workingDirectory);
}

bool answersOnTerminal(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == u"--")
            return false;
        for (const Option &option : options()) {
            if (std::any_of(option.names.begin(), option.names.end(),
                            [&](const QString &name) { return shownNames({name}) == argument; }))
                return true;
        }
    }
    return false;
}

bool printsOnTerminal(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == u"--")
            return false;
        if (argument == u"--print")
            return true;
    }
    return false;
}

QString helpText()
{
    constexpr int kDescriptionColumn = 18;
    QString text = kUsage;
    for (const Option &option : options()) {
        const QString names = QStringLiteral("  ") + shownNames(option.names);
        const QString indent = QStringLiteral("\n") + QString(kDescriptionColumn, u' ');
        text += names.leftJustified(kDescriptionColumn - 1) + u' ' + QString(option.description).replace(u'\n', indent)
              + u'\n';
    }
    return text + kArguments;
}

} // namespace tgx
