// Times printing each sheet of a timetable such as a person makes into a PDF
// file in memory, through the one function the preview and --print use.
// With --write FOLDER it also leaves the timetable and the PDFs there, to be
// looked at. Usage: print_sheets_bench [--write FOLDER] [trains...]
#include "bench_support.h"
#include "document/file_bytes.h"
#include "line/line_catalogue.h"
#include "line/line_graph.h"
#include "line/timetable_statements.h"
#include "linegraph/graph_content.h"
#include "printing/sheet_kinds.h"
#include "printing/sheet_pages.h"
#include "printing/sheet_printer.h"

#include <QApplication>
#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QPdfWriter>

#include <cstdio>

using namespace tgx;
using namespace tgx::bench;

namespace {

// The line's graph of the timetable's first line, as the view would show it alone.
GraphContent graphOf(const QStringList &lines)
{
    const TimetableStatements statements = statementsOf(lines);
    const QList<int> held = linesHolding(ownStation(statements.simulator));
    GraphContent content;
    content.setGraph(lineGraph(held.value(0), {statements}));
    return content;
}

QByteArray printed(SheetKind kind, const QStringList &lines, const GraphContent &graph, int &pages)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    setSheetPage(writer, kind);
    pages = printSheet(writer, pageHead(kind, lines, QDate::currentDate()), *sheetPages(kind, lines, &graph));
    return bytes;
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    QString folder;
    if (arguments.value(0) == u"--write") {
        folder = arguments.value(1);
        arguments = arguments.mid(2);
    }
    std::printf("%8s %-16s %6s %12s %10s\n", "trains", "sheet", "pages", "cpu [ms]", "PDF [kB]");
    for (const int trains : sizesFrom(arguments, {300, 2000})) {
        QStringList lines = sampleTimetable(trains);
        lines[0] = QStringLiteral("Ukázkový den, %1 vlaků").arg(trains);
        const GraphContent graph = graphOf(lines);
        if (!folder.isEmpty())
            write(QDir(folder).filePath(QStringLiteral("den-%1.46g").arg(trains)), FileBytes::fromText(lines.join(u'\n') + u'\n'));
        for (const SheetName &sheet : sheetNames()) {
            int pages = 0;
            QByteArray pdf;
            const double ms = medianMs(3, [&] { pdf = printed(sheet.kind, lines, graph, pages); });
            std::printf("%8d %s %6d %12.1f %10lld\n", trains, qPrintable(sheet.title.leftJustified(16)), pages, ms,
                        qlonglong(pdf.size() / 1024));
            if (!folder.isEmpty())
                write(QDir(folder).filePath(QStringLiteral("%1-%2.pdf").arg(trains).arg(int(sheet.kind))), pdf);
        }
    }
    return 0;
}
