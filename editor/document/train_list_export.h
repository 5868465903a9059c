#pragma once

#include <QStringList>

namespace tgx {

class FileStore;
class Prompts;

// Export: asks for a file name and writes the train list's lines to it as
// plain text, each ended by CR LF, in code page 1250.
void exportTrainList(const QStringList &summaries, Prompts &prompts, const FileStore &store);

// The export's file name: ".txt" appended unless the name already ends in it.
QString exportFileName(const QString &chosen);

} // namespace tgx
