#include "document/document_files.h"

#include "document/document_lines.h"
#include "document/document_state.h"
#include "document/error_guard.h"
#include "document/file_bytes.h"
#include "document/file_store.h"
#include "document/header_lines.h"
#include "document/header_rules.h"
#include "document/prompts.h"
#include "document/recovery_folder.h"

namespace tgx {

namespace {

const QString kFilter = QStringLiteral("TGX soubory Zelto Edice 246 (*.46g)");
const QString kExtension = QStringLiteral(".46g");
const QString kNewDocumentName = QStringLiteral("Nový grafikon.46g");
const QString kAskToSave = QStringLiteral("Chcete uložit změny?");
const QString kSaveError = QStringLiteral("Error 00B4!");
const QString kChangedSinceRead = QStringLiteral("Soubor „%1“ mezitím změnil jiný program. Přepsat ho?");
const QString kSaveAsError = QStringLiteral("Error 00B5!");

} // namespace

const QString DocumentFiles::kNewDocumentStatus = QStringLiteral(" Nový grafikon (neuloženo)");

DocumentFiles::DocumentFiles(DocumentLines &lines, DocumentState &state, DocumentFilesView &view,
                             Prompts &prompts, ErrorGuard &guard, const FileStore &store)
    : m_lines(lines), m_state(state), m_view(view), m_prompts(prompts), m_guard(guard), m_store(store)
{
}

bool DocumentFiles::AskToSaveChanges()
{
    if (!m_state.DocumentModified)
        return true;
    switch (m_prompts.askYesNoCancel(kAskToSave)) {
    case Prompts::Answer::Cancel:
        return false;
    case Prompts::Answer::No:
        return true;
    case Prompts::Answer::Yes:
        break;
    }
    if (m_state.DocumentFileName.isEmpty())
        return SaveDocumentAs();
    // Work not written so as to keep another program's change stays open
    // rather than being lost.
    return SaveDocument(m_state.DocumentFileName) || !m_watch.changedOnDisk();
}

bool DocumentFiles::SaveDocument(const QString &fileName)
{
    bool written = false;
    m_guard.run(kSaveError, [&] { saveUnguarded(fileName, written); });
    return written;
}

void DocumentFiles::saveUnguarded(const QString &fileName, bool &written)
{
    // Another program's changes are not overwritten unasked.
    if (fileName == m_watch.path() && m_watch.changedOnDisk()
        && m_prompts.askYesNo(kChangedSinceRead.arg(fileName)) == Prompts::Answer::No)
        return;
    // The checks read the lines as they were before this save stamps them.
    const QString versionQuestion = HeaderRules::saveVersionQuestion(m_lines.line(HeaderLine::Editor));
    if (!versionQuestion.isEmpty() && m_prompts.askYesNo(versionQuestion) == Prompts::Answer::No)
        return;
    const QString encodingQuestion = HeaderRules::saveEncodingQuestion(m_lines.line(HeaderLine::Encoding));
    if (!encodingQuestion.isEmpty() && m_prompts.askYesNo(encodingQuestion) == Prompts::Answer::No)
        return;
    stampHeader();
    const QByteArray bytes = FileBytes::fromText(m_lines.text());
    m_store.write(fileName, bytes);
    m_lines.markSaved();
    m_state.DocumentModified = false;
    written = true;
    m_watch.remember(fileName, bytes);
}

void DocumentFiles::stampHeader()
{
    const DocumentLines::Step step(m_lines, DocumentLines::Step::JoinLast);
    HeaderRules::stamp(m_lines);
}

bool DocumentFiles::SaveDocumentAs()
{
    bool written = false;
    m_guard.run(kSaveAsError, [&] {
        const QString preset = m_state.DocumentFileName.isEmpty() ? kNewDocumentName : m_state.DocumentFileName;
        const auto chosen = m_prompts.saveFileName({QString(), kFilter, preset});
        if (!chosen)
            return;
        m_state.DocumentFileName = *chosen;
        if (!m_state.DocumentFileName.endsWith(kExtension, Qt::CaseSensitive))
            m_state.DocumentFileName += kExtension;
        written = SaveDocument(m_state.DocumentFileName);
        m_view.showFileName(m_state.DocumentFileName);
    });
    return written;
}

void DocumentFiles::newDocument()
{
    if (!AskToSaveChanges())
        return;
    m_lines.setText(QString(HeaderLine::Count, u'\n'));
    m_lines.markSaved();
    m_state.DocumentModified = false;
    m_state.DocumentFileName.clear();
    m_view.showFileName(kNewDocumentStatus);
    m_view.resetSimulatorChoice();
    m_view.documentReplaced();
    m_watch.forget();
}

void DocumentFiles::openDocument()
{
    if (!AskToSaveChanges())
        return;
    const auto path = m_prompts.openFileName({QString(), kFilter, QString()});
    if (path)
        openFile(*path);
}

void DocumentFiles::openFile(const QString &path)
{
    // Read and decode the whole file first: a file that cannot be read leaves
    // the document and its state as they were.
    const QByteArray bytes = m_store.read(path);
    const QString text = FileBytes::toText(bytes);
    m_lines.setText(text);
    m_lines.markSaved();
    m_state.DocumentFileName = path;
    m_state.DocumentModified = false;
    m_view.showFileName(path);
    m_view.documentReplaced();
    m_watch.remember(path, bytes);
    const QStringList warnings = HeaderRules::openWarnings(path, m_lines.line(HeaderLine::Encoding),
                                                           m_lines.line(HeaderLine::Editor));
    for (const QString &warning : warnings)
        m_prompts.inform(warning);
}

void DocumentFiles::openPath(const QString &path)
{
    if (AskToSaveChanges())
        openFile(path);
}

// What the file holds now is all that is known of it: a later Save asks only
// when it changes again.
void DocumentFiles::restore(const UnsavedWork &work)
{
    m_lines.setText(work.text);
    m_state.DocumentFileName = work.fileName;
    m_state.DocumentModified = true;
    m_view.showFileName(work.fileName.isEmpty() ? kNewDocumentStatus : work.fileName);
    m_view.documentReplaced();
    if (work.fileName.isEmpty())
        m_watch.forget();
    else
        m_watch.rememberAsOnDisk(work.fileName);
}

void DocumentFiles::save()
{
    if (m_state.DocumentFileName.isEmpty())
        SaveDocumentAs();
    else
        SaveDocument(m_state.DocumentFileName);
}

} // namespace tgx
