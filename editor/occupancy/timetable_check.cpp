#include "occupancy/timetable_check.h"

#include "document/document_lines.h"
#include "document/failure.h"
#include "document/file_bytes.h"
#include "document/file_store.h"
#include "document/text_buffer.h"
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
