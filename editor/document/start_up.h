#pragma once

#include "document/command_line.h"

class QApplication;
class QCoreApplication;

namespace tgx {

class TA0;

// Answers the command line on the terminal, once the application object
// exists: help, version, a wrong option, or checking the files named after
// --check (the findings on standard output, an unreadable file on standard
// error), writing or reading the train table of --export-csv and
// --import-csv, or printing the sheet of --print. The exit code.
int runOnTerminal();

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
