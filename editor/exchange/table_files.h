#pragma once

#include <QString>

#include <optional>

namespace tgx {

class DocumentLines;
class FileStore;
class Prompts;

// "Exportovat do tabulky...": asks for a file name, offering the document's
// own name with ".csv", and writes the document's train table to it.
void exportTableFile(const DocumentLines &lines, const QString &documentFileName, Prompts &prompts,
                     const FileStore &store);

// The trains an import appended: the first one's document line and how many.
struct ImportedTrains {
    int firstLine = 0;
    int count = 0;
};

// "Importovat z tabulky...": asks for a table file and appends its trains
// after the last line as one step of the history and one change of the text.
// Nothing when the dialog is cancelled or the table is refused (the refusals
// are shown).
std::optional<ImportedTrains> importTableFile(DocumentLines &lines, Prompts &prompts, const FileStore &store);

// What the window tells after an import.
QString importedMessage(int count);

} // namespace tgx
