#include "occupancy/timetable_check.h"

#include "document/document_lines.h"
#include "document/failure.h"
#include "document/file_bytes.h"
#include "document/file_store.h"
#include "document/text_buffer.h"
#include "line/document_findings.h"
#include "occupancy/document_analysis.h"

#include <QTextStream>

#include <algorithm>

namespace tgx {

namespace {

// The document lines of a file as the editor holds them after opening it.
QStringList documentLinesOf(const QString &path, const FileStore &store)
{
    StringTextBuffer text(FileBytes::toText(store.read(path)));
    return DocumentLines(text).allLines();
}

// The text with its control characters written as \xNN, so that a file cannot
// move the cursor, recolour or retitle the terminal, or fake a line of output.
QString escapedControls(const QString &text)
{
    const auto isControl = [](QChar c) { return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F); };
    if (std::none_of(text.begin(), text.end(), isControl))
        return text;
    QString escaped;
    for (const QChar c : text) {
        if (isControl(c))
            escaped += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'));
        else
            escaped += c;
    }
    return escaped;
}

// Writes the file's findings; whether it has any.
bool reportFindings(const QString &path, const DocumentFindings &findings, QTextStream &out)
{
    const QString shownPath = escapedControls(path);
    for (qsizetype row = 0; row < findings.size(); ++row)
        out << shownPath << u':' << findings.line(row) << QStringView(u": ") << escapedControls(findings.text(row))
            << u'\n';
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
            err << escapedControls(failure.description()) << u'\n';
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
