#include "exchange/table_files.h"

#include "document/document_lines.h"
#include "document/file_store.h"
#include "document/prompts.h"
#include "exchange/table_export.h"
#include "exchange/table_import.h"
#include "trains/timetable_context.h"

namespace tgx {

namespace {

const QString kExportTitle = QStringLiteral("Exportovat do tabulky");
const QString kImportTitle = QStringLiteral("Importovat z tabulky");
const QString kFilter = QStringLiteral("Tabulka CSV (*.csv)");
const QString kImported = QStringLiteral("Importováno vlaků: %1.");
const QString kExtension = QStringLiteral(".csv");
const QString kDocumentExtension = QStringLiteral(".46g");

QString tableName(const QString &documentFileName)
{
    if (documentFileName.isEmpty())
        return {};
    QString name = documentFileName;
    if (name.endsWith(kDocumentExtension, Qt::CaseInsensitive))
        name.chop(kDocumentExtension.size());
    return name + kExtension;
}

} // namespace

void exportTableFile(const DocumentLines &lines, const QString &documentFileName, Prompts &prompts,
                     const FileStore &store)
{
    const auto chosen = prompts.saveFileName({kExportTitle, kFilter, tableName(documentFileName)});
    if (!chosen)
        return;
    const QString path = chosen->endsWith(kExtension, Qt::CaseInsensitive) ? *chosen : *chosen + kExtension;
    store.write(path, exportTrainTable(lines.allLines()));
}

std::optional<ImportedTrains> importTableFile(DocumentLines &lines, Prompts &prompts, const FileStore &store)
{
    const auto chosen = prompts.openFileName({kImportTitle, kFilter, QString()});
    if (!chosen)
        return std::nullopt;
    const QByteArray bytes = store.read(*chosen);
    const QStringList documentLines = lines.allLines();
    const TableImport result = importTrainTable(bytes, timetableContextOf(documentLines));
    if (!result.refusals.isEmpty()) {
        prompts.inform(refusalMessage(result.refusals));
        return std::nullopt;
    }
    const ImportedTrains imported{lines.lineCount() + 1, int(result.records.size())};
    const DocumentLines::Step step(lines);
    lines.appendLines(result.records);
    return imported;
}

QString importedMessage(int count)
{
    return kImported.arg(count);
}

} // namespace tgx
