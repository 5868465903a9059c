#include "document/train_list_export.h"

#include "document/file_bytes.h"
#include "document/file_store.h"
#include "document/prompts.h"

namespace tgx {

namespace {
const QString kTitle = QStringLiteral("Export");
const QString kFilter = QStringLiteral("Textové soubory (*.txt)");
const QString kExtension = QStringLiteral(".txt");

// The export's file name: ".txt" appended unless the name already ends in it.
QString exportFileName(const QString &chosen)
{
    return chosen.endsWith(kExtension, Qt::CaseSensitive) ? chosen : chosen + kExtension;
}

} // namespace

void exportTrainList(const QStringList &summaries, Prompts &prompts, const FileStore &store)
{
    const auto chosen = prompts.saveFileName({kTitle, kFilter, QString()});
    if (!chosen)
        return;
    QString text;
    for (const QString &summary : summaries)
        text += summary + u'\n';
    store.write(exportFileName(*chosen), FileBytes::fromText(text));
}

} // namespace tgx
