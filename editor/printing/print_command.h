#pragma once

#include <QString>

class QTextStream;

namespace tgx {

class FileStore;
struct PrintFiles;

// --print: prints a sheet of a timetable file into a PDF file, as the print
// dialog prints it to a file. The timetable is read as Open reads it,
// without its questions. 0 when done, 2 when a file cannot be read or
// written (said on errors).
int printCommand(const PrintFiles &files, const FileStore &store, QTextStream &errors);

} // namespace tgx
