#pragma once

#include "document/file_watch.h"

#include <QString>

namespace tgx {

class DocumentLines;
class ErrorGuard;
class FileStore;
class Prompts;
struct DocumentState;
struct UnsavedWork;

// What the file commands change outside the document itself.
class DocumentFilesView {
public:
    virtual ~DocumentFilesView() = default;
    virtual void showFileName(const QString &text) = 0; // status panel 1
    virtual void resetSimulatorChoice() = 0;            // the properties dialog's simulator list
    virtual void documentReplaced() = 0;                // New or Open put another document in place
};

// The document's life on disk: New, Open, Save, Save as, and the question
// whether to save changes first.
class DocumentFiles {
public:
    DocumentFiles(DocumentLines &lines, DocumentState &state, DocumentFilesView &view, Prompts &prompts,
                  ErrorGuard &guard, const FileStore &store);

    // Proceed (true) or stop (false); a failed save passes its failure on.
    bool AskToSaveChanges();
    bool SaveDocument(const QString &fileName);
    bool SaveDocumentAs();

    void newDocument();
    void openDocument();
    // What Open does once its dialog has chosen path: read it, name the
    // document after it and warn about its header.
    void openFile(const QString &path);
    void save(); // under its name, or as a new one when it has none
    // Open without its dialog: the question about unsaved changes, then path.
    void openPath(const QString &path);
    // Puts recovered work in place as an unsaved document named as it was.
    void restore(const UnsavedWork &work);

    // The document's file as last read or written.
    FileWatch &watch() { return m_watch; }

    static const QString kNewDocumentStatus; // status panel 1 of a document never saved

private:
    void saveUnguarded(const QString &fileName, bool &written);
    void stampHeader();

    DocumentLines &m_lines;
    DocumentState &m_state;
    DocumentFilesView &m_view;
    Prompts &m_prompts;
    ErrorGuard &m_guard;
    const FileStore &m_store;
    FileWatch m_watch;
};

} // namespace tgx
