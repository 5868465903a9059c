#include "occupancy/timetable_check.h"

#include "document/document_lines.h"
#include "document/failure.h"
#include "document/file_bytes.h"
#include "document/file_store.h"
#include "document/text_buffer.h"
#include "line/document_findings.h"
#include "occupancy/document_analysis.h"

#include <QTextStream>

namespace tgx {

namespace {

// The document lines of a file as the editor holds them after opening it.
QStringList documentLinesOf(const QString &path, const FileStore &store)
{
    StringTextBuffer text(FileBytes::toText(store.read(path)));
    return DocumentLines(text).allLines();
}

// Writes the file's findings; whether it has any.
bool reportFindings(const QString &path, const DocumentFindings &findings, QTextStream &out)
{
    for (qsizetype row = 0; row < findings.size(); ++row)
        out << path << u':' << findings.line(row) << QStringView(u": ") << findings.text(row) << u'\n';
    return !findings.isEmpty();
}

// The files that could be read, with what their checks need.
struct ReadFiles {
    QStringList paths;
    QList<OccupancyPlan> plans;
    QList<TimetableStatements> timetables;
};

} // namespace

int checkFiles(const QStringList &paths, const FileStore &store, QTextStream &out, QTextStream &err)
{
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    bool unreadable = false;
    ReadFiles read;
    for (const QString &path : paths) {
        try {
            DocumentChecks checks = checkDocument(documentLinesOf(path, store));
            read.paths.append(path);
            read.plans.append(std::move(checks.plan));
            read.timetables.append(std::move(checks.statements));
        } catch (const Failure &failure) {
            err << failure.description() << u'\n';
            unreadable = true;
        }
    }
    // Each file is checked against all the others as well.
    bool faults = false;
    for (int i = 0; i < read.paths.size(); ++i) {
        const DocumentFindings findings(read.plans[i], CrossTimetableFindings(read.timetables, i));
        faults |= reportFindings(read.paths[i], findings, out);
    }
    out.flush();
    err.flush();
    if (unreadable)
        return kCheckUnreadableFile;
    return faults ? kCheckFoundFaults : kCheckPassed;
}

} // namespace tgx
