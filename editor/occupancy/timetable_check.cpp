#include "occupancy/timetable_check.h"

#include "document/failure.h"
#include "document/file_bytes.h"
#include "document/file_store.h"
#include "occupancy/document_analysis.h"

#include <QTextStream>

namespace tgx {

namespace {

// The document lines of a file as the editor holds them after opening it: a
// line break at the very end opens no further line.
QStringList documentLinesOf(const QString &path, const FileStore &store)
{
    QStringList lines = FileBytes::toText(store.read(path)).split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Writes the file's findings; whether it has any.
bool reportFindings(const QString &path, const OccupancyPlan &plan, QTextStream &out)
{
    for (const Finding &finding : plan.findings)
        out << path << u':' << finding.line << QStringView(u": ") << findingText(plan, finding) << u'\n';
    return !plan.findings.isEmpty();
}

} // namespace

int checkFiles(const QStringList &paths, const FileStore &store, QTextStream &out, QTextStream &err)
{
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    bool unreadable = false;
    bool faults = false;
    for (const QString &path : paths) {
        try {
            faults |= reportFindings(path, planDocument(documentLinesOf(path, store)), out);
        } catch (const Failure &failure) {
            err << failure.description() << u'\n';
            unreadable = true;
        }
    }
    out.flush();
    err.flush();
    if (unreadable)
        return kCheckUnreadableFile;
    return faults ? kCheckFoundFaults : kCheckPassed;
}

} // namespace tgx
