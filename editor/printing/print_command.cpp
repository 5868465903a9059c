#include "printing/print_command.h"

#include "document/command_line.h"
#include "document/failure.h"
#include "document/file_store.h"
#include "exchange/table_command_line.h"
#include "printing/sheet_kinds.h"
#include "printing/sheet_pages.h"
#include "printing/sheet_printer.h"

#include <QBuffer>
#include <QDate>
#include <QPdfWriter>
#include <QTextStream>

namespace tgx {

namespace {

const QString kCreator = QStringLiteral("TGX editor");
const QString kTitle = QStringLiteral("%1 – %2");

QByteArray pdfOfSheet(SheetKind kind, const QStringList &lines)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const PageHead head = pageHead(kind, lines, QDate::currentDate());
    QPdfWriter writer(&buffer);
    writer.setCreator(kCreator);
    writer.setTitle(kTitle.arg(head.title, head.name));
    setSheetPage(writer, kind);
    // The line's graph is the window's alone; the command line prints the others.
    printSheet(writer, head, *sheetPages(kind, lines, nullptr));
    return bytes;
}

} // namespace

int printCommand(const PrintFiles &files, const FileStore &store, QTextStream &errors)
{
    const auto kind = sheetOfOption(files.sheet);
    if (!kind)
        return kTableFailed; // the command line refuses it before
    try {
        store.write(files.pdf, pdfOfSheet(*kind, timetableFileLines(files.timetable, store)));
        return kTableDone;
    } catch (const Failure &failure) {
        errors << failure.description() << u'\n';
        return kTableFailed;
    }
}

} // namespace tgx
