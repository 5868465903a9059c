#pragma once

#include <QStringList>

class QTextStream;

namespace tgx {

class FileStore;

// Exit codes of the command line check.
enum CheckExitCode {
    kCheckPassed = 0,         // no file has a finding
    kCheckFoundFaults = 1,    // some file has findings
    kCheckUnreadableFile = 2, // some file cannot be read, whatever the others hold
};

// Checks timetable files without a window: reads each as opening it does
// (code page 1250, any line ends), asks nothing, and writes each finding as
// "FILE:LINE: TEXT" to out, FILE as given. Several files are also checked
// against each other (after a line's own findings), and
// each file's findings are written after those of the files before it. A
// file that cannot be read has its description written to err, and the
// other files are still checked. Both streams are set to UTF-8.
int checkFiles(const QStringList &paths, const FileStore &store, QTextStream &out, QTextStream &err);

} // namespace tgx
