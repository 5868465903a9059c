#pragma once

#include "document/file_store.h"
#include "document/forms.h"
#include "scripted_prompts.h"

#include <QTemporaryDir>

#include <memory>

namespace tgx {
class TrainListModel;
}

namespace tgx::test {

// Points the user's state and configuration folders (recovery copies, recent
// files) at a temporary folder of this process, once, so that tests and
// benchmarks leave the user's own alone. True.
bool keepOutOfUserFolders();

// The program's windows as start-up makes them, with scripted prompts
// and the real disk files inside a temporary folder.
struct App {
    // files: where the windows read and write files; the disk when not given.
    explicit App(const FileStore *files = nullptr)
        : forms(std::make_unique<Forms>(prompts, files ? *files : store)) {}

    const bool userFoldersKeptOut = keepOutOfUserFolders();
    ScriptedPrompts prompts;
    DiskFileStore store;
    QTemporaryDir dir;
    std::unique_ptr<Forms> forms;

    TA0 &main() { return forms->A0; }
    DocumentLines &lines() { return forms->A0.lines(); }
    DocumentState &state() { return forms->A0.state(); }
    // The train list as the list view B1 shows it.
    TrainListModel &trainList();
    QString path(const QString &name) const { return dir.filePath(name); }
    // Runs a menu command as the user would, by its component name ("D2").
    void trigger(const char *menuItem);
    QString panel(int index);
};

// Writes bytes to a file, failing the test when it cannot.
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

} // namespace tgx::test
