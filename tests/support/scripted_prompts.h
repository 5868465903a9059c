#pragma once

#include "document/prompts.h"

#include <QList>
#include <QStringList>

#include <deque>

namespace tgx::test {

// Prompts for tests: answers questions and file dialogs from a script and
// records every text shown, in order. A prompt the script does not expect is
// recorded in unexpected(), answered with Cancel or a cancelled dialog.
class ScriptedPrompts : public Prompts {
public:
    // What was shown: "info: ...", "error: ...", "ask: ...", "open: <preset>", "save: <preset>".
    QStringList shown;
    QStringList unexpected;

    void answer(Answer a) { m_answers.push_back(a); }
    // A save dialog reports filter as chosen with path; an empty one, as a
    // dialog that does not tell.
    void chooseFile(const QString &path, const QString &filter = {}) { m_files.push_back({path, filter}); }
    void cancelFileDialog() { m_files.push_back({}); }
    // The answer of the next dialog that chooses several files; an empty
    // list cancels it. Shown as "open files: <filter>".
    void chooseFiles(const QStringList &paths) { m_fileLists.push_back(paths); }
    QList<FileDialogRequest> fileRequests; // every file dialog, in order
    // The answer of the next print dialog: print to the PDF file at path, as
    // the dialog's "print to file" does, or cancel (empty). Shown as "print".
    void answerPrintDialog(const QString &path) { m_prints.push_back(path); }

    // The texts of information boxes and error reports alone, in order.
    QStringList messages() const;
    bool scriptUsedUp() const
    {
        return m_answers.empty() && m_files.empty() && m_fileLists.empty() && m_prints.empty();
    }
    void reset();

    void inform(const QString &text) override;
    void reportError(const QString &description) override;
    Answer askYesNo(const QString &text) override;
    Answer askYesNoCancel(const QString &text) override;
    std::optional<QString> openFileName(const FileDialogRequest &request) override;
    QStringList openFileNames(const FileDialogRequest &request) override;
    std::optional<ChosenFile> saveFile(const FileDialogRequest &request) override;
    bool choosePrinter(QPrinter &printer) override;

private:
    Answer nextAnswer(const QString &text);
    std::optional<ChosenFile> nextFile(const QString &what, const FileDialogRequest &request);

    std::deque<Answer> m_answers;
    std::deque<ChosenFile> m_files;
    std::deque<QStringList> m_fileLists;
    std::deque<QString> m_prints;
};

} // namespace tgx::test
