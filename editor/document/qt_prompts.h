#pragma once

#include "document/prompts.h"

namespace tgx {

// The prompts as Qt message boxes and file dialogs.
class QtPrompts : public Prompts {
public:
    void inform(const QString &text) override;
    void reportError(const QString &description) override;
    Answer askYesNo(const QString &text) override;
    Answer askYesNoCancel(const QString &text) override;
    std::optional<QString> openFileName(const FileDialogRequest &request) override;
    QStringList openFileNames(const FileDialogRequest &request) override;
    std::optional<ChosenFile> saveFile(const FileDialogRequest &request) override;
    bool choosePrinter(QPrinter &printer) override;
};

} // namespace tgx
