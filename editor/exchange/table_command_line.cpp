#include "exchange/table_command_line.h"

#include "document/document_lines.h"
#include "document/failure.h"
#include "document/file_bytes.h"
#include "document/file_store.h"
#include "document/header_lines.h"
#include "document/header_rules.h"
#include "exchange/table_export.h"
#include "exchange/table_import.h"
#include "trains/timetable_context.h"

#include <QTextStream>

namespace tgx {

namespace {

const QString kRefusal = QStringLiteral("%1: řádek %2, sloupec „%3“: %4\n");
const QString kNotSaved = QStringLiteral("%1: neuloženo, uložení by se muselo zeptat: %2\n");

// Runs a command; a file that cannot be read or written is told and ends it.
template <typename Command>
int reportingFailures(QTextStream &errors, Command command)
{
    try {
        return command();
    } catch (const Failure &failure) {
        errors << failure.description() << u'\n';
        return kTableFailed;
    }
}

// The question a save would ask before writing this document, if any.
QString saveQuestion(const DocumentLines &lines)
{
    const QString version = HeaderRules::saveVersionQuestion(lines.line(HeaderLine::Editor));
    return version.isEmpty() ? HeaderRules::saveEncodingQuestion(lines.line(HeaderLine::Encoding)) : version;
}

} // namespace

QStringList timetableFileLines(const QString &path, const FileStore &store)
{
    StringTextBuffer buffer(FileBytes::toText(store.read(path)));
    return DocumentLines(buffer).allLines();
}

int exportTableCommand(const QString &timetablePath, const QString &tablePath, const FileStore &store,
                       QTextStream &errors)
{
    return reportingFailures(errors, [&] {
        store.write(tablePath, exportTrainTable(timetableFileLines(timetablePath, store)));
        return kTableDone;
    });
}

int importTableCommand(const QString &tablePath, const QString &timetablePath, const FileStore &store,
                       QTextStream &errors)
{
    return reportingFailures(errors, [&] {
        StringTextBuffer buffer(FileBytes::toText(store.read(timetablePath)));
        DocumentLines lines(buffer);
        const QStringList documentLines = lines.allLines();
        const TableImport result = importTrainTable(store.read(tablePath), timetableContextOf(documentLines));
        for (const Refusal &refusal : result.refusals)
            errors << kRefusal.arg(tablePath).arg(refusal.row).arg(columnName(refusal.column), refusal.text);
        if (!result.refusals.isEmpty())
            return kTableFailed;
        if (const QString question = saveQuestion(lines); !question.isEmpty()) {
            errors << kNotSaved.arg(timetablePath, question);
            return kTableFailed;
        }
        lines.appendLines(result.records);
        HeaderRules::stamp(lines);
        store.write(timetablePath, FileBytes::fromText(lines.text()));
        return kTableDone;
    });
}

} // namespace tgx
