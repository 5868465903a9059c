#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QApplication;
class QCoreApplication;

namespace tgx {

class TA0;

// --export-csv TIMETABLE TABLE or --import-csv TABLE TIMETABLE, files as given.
struct TableFiles {
    bool importing = false;
    QString from;
    QString to;
};

// What the command line asks of the program, once Qt has taken its own
// options (-platform, -style, ...) out of it.
struct CommandLine {
    QString file;                // absolute path of the document to open; empty: a new document
    QStringList filesToCheck;    // for --check: the timetables to check, as given
    std::optional<TableFiles> tableFiles; // for --export-csv and --import-csv
    QString message;             // for the terminal: help, version, a wrong option, files left unopened
    std::optional<int> exitCode; // set when the program ends at once, without a window
};

// Reads the arguments (the program's name first); a relative path is taken
// from workingDirectory, as the shell meant it.
CommandLine readCommandLine(const QStringList &arguments, const QString &workingDirectory);

// Whether the arguments ask to check files (--check) or to write or read a
// train table (--export-csv, --import-csv), which opens no window and so
// needs no display: the program then makes a QCoreApplication only.
bool asksToCheckFiles(int argc, char *argv[]);

// Checks the files the command line names after --check, once the
// application object exists: the findings on standard output, an unreadable
// file on standard error; or writes or reads the train table it names. The
// exit code.
int runCheck();

// Installs Qt's own Czech texts (standard buttons, file dialogs, the text
// context menus), with Czech dates and numbers in the file dialogs, whatever
// the user's locale: the interface is Czech. False when the translation is not
// installed.
bool loadCzechQtTexts(QCoreApplication &app);

// Shows the main window, offers the unsaved work of an editor that ended
// without closing, and opens the command line's file, as Open does once its
// dialog has chosen a file.
void startEditing(TA0 &mainWindow, const CommandLine &commandLine);

// The program, from its application object to the end of its message loop.
int runEditor(QApplication &app);

} // namespace tgx
