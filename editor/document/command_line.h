#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tgx {

// Exit code of a command line the program cannot follow (an unknown option,
// --check without a file), so that 1 keeps meaning "findings found".
inline constexpr int kUsageError = 2;

// --export-csv TIMETABLE TABLE or --import-csv TABLE TIMETABLE, files as given.
struct TableFiles {
    bool importing = false;
    QString from;
    QString to;
};

// --print SHEET TIMETABLE OUT.pdf: the sheet's option name and the files, as given.
struct PrintFiles {
    QString sheet;
    QString timetable;
    QString pdf;
};

// What the command line asks of the program, once Qt has taken its own
// options (-platform, -style, ...) out of it.
struct CommandLine {
    QString file;                // absolute path of the document to open; empty: a new document
    QStringList filesToCheck;    // for --check: the timetables to check, as given
    QString message;             // for the terminal: help, version, a wrong option, files left unopened
    std::optional<int> exitCode; // set when the program ends at once, without a window
    std::optional<TableFiles> tableFiles; // for --export-csv and --import-csv
    std::optional<PrintFiles> printFiles; // for --print
};

// Reads the arguments (the program's name first); a relative path is taken
// from workingDirectory, as the shell meant it.
CommandLine readCommandLine(const QStringList &arguments, const QString &workingDirectory);

// Whether the arguments ask for an answer on the terminal (help, version,
// checking files, writing or reading a train table), which opens no window and so needs no display: the
// program then makes a QCoreApplication only.
bool answersOnTerminal(int argc, char *argv[]);

// Whether the arguments ask for a printed sheet, which lays out text and so
// needs fonts, though no display.
bool printsOnTerminal(int argc, char *argv[]);

// What --help prints.
QString helpText();

} // namespace tgx
