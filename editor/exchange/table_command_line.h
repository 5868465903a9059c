#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace tgx {

class FileStore;

// Exit codes of the table options, as --check has them.
inline constexpr int kTableDone = 0;
inline constexpr int kTableFailed = 2; // a file not read or written, or a row refused

// The lines of a timetable file read as Open reads it, without its
// questions. Fails with Failure when the file cannot be read.
QStringList timetableFileLines(const QString &path, const FileStore &store);

// --export-csv: writes the train table of a timetable file.
int exportTableCommand(const QString &timetablePath, const QString &tablePath, const FileStore &store,
                       QTextStream &errors);

// --import-csv: appends the trains of a table to a timetable file and saves it
// as Save does, stamp included. A refused row, or a save that would have to
// ask first, writes nothing; every refusal goes to errors.
int importTableCommand(const QString &tablePath, const QString &timetablePath, const FileStore &store,
                       QTextStream &errors);

} // namespace tgx
