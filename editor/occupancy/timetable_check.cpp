#include "occupancy/timetable_check.h"

#include "document/document_lines.h"
#include "document/failure.h"
#include "document/file_bytes.h"
#include "document/file_store.h"
#include "document/text_buffer.h"
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
bool reportFindings(const QString &path, const OccupancyPlan &plan, QTextStream &out)
{
    const QString shownPath = escapedControls(path);
    for (const Finding &finding : plan.findings)
        out << shownPath << u':' << finding.line << QStringView(u": ") << escapedControls(findingText(plan, finding))
            << u'\n';
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
            err << escapedControls(failure.description()) << u'\n';
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
