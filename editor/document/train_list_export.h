#pragma once

#include <QStringList>

namespace tgx {

class FileStore;
class Prompts;

// Export: asks for a file name and writes the train list's lines to it as
// plain text, each ended by CR LF, in code page 1250.
void exportTrainList(const QStringList &summaries, Prompts &prompts, const FileStore &store);

} // namespace tgx
