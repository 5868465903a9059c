#include "document/main_window.h"

#include "document/error_guard.h"
#include "document/prompts.h"
#include "document/recovery_keeper.h"
#include "document/window_file_events.h"

#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>

// The main window's care for work beyond the editor's own commands: the
// recovery copy of unsaved changes, changes made to its file by other
// programs, the recent files and files dropped onto it.
namespace tgx {

namespace {

const QString kOpenError = QStringLiteral("Error 00D3");
const QString kRecentCaption = QStringLiteral("Nedávné soubory");
const QString kRecentMissing = QStringLiteral("Soubor „%1“ už neexistuje.");
const QString kChangedOutside = QStringLiteral("Soubor „%1“ změnil jiný program. Načíst ho znovu?");
const QString kRecoverNamed =
    QStringLiteral("Editor se minule neukončil správně. Obnovit neuložené změny grafikonu „%1“?");
const QString kRecoverNew =
    QStringLiteral("Editor se minule neukončil správně. Obnovit neuložené změny nového grafikonu?");

} // namespace

void TA0::keepFiles()
{
    m_recoveryFolder = std::make_unique<RecoveryFolder>(RecoveryFolder::defaultFolder());
    m_recovery = std::make_unique<RecoveryKeeper>(
        *m_recoveryFolder, [this] { return m_state.DocumentModified; },
        [this] { return UnsavedWork{m_state.DocumentFileName, m_lines.text()}; });
    connect(m_B0, &QPlainTextEdit::textChanged, m_recovery.get(), &RecoveryKeeper::noteChange);
    connect(&m_files.watch(), &FileWatch::baselineChanged, this, &TA0::fileBaselineChanged);

    auto *events = new WindowFileEvents(*this, m_files.watch());
    events->takeDropsOf(*m_B0->viewport());
    connect(events, &WindowFileEvents::lookAtFile, this, &TA0::lookAtFile);
    connect(events, &WindowFileEvents::timetableDropped, this, &TA0::openPath);
}

void TA0::createRecentFilesMenu(QMenu *D1)
{
    D1->addSeparator()->setObjectName(QStringLiteral("J0"));
    m_recentMenu = D1->addMenu(kRecentCaption);
    m_recentMenu->setObjectName(QStringLiteral("J1"));
    m_recentMenu->menuAction()->setObjectName(QStringLiteral("J1"));
    connect(D1, &QMenu::aboutToShow, this, &TA0::fillRecentMenu); // other editors add files too
    fillRecentMenu();
}

// Opened, saved or renewed: the file is a recent one, and whether a recovery
// copy is needed may have changed.
void TA0::fileBaselineChanged()
{
    m_recovery->noteChange();
    const QString path = m_files.watch().path();
    if (path.isEmpty())
        return;
    m_recent.add(path);
    fillRecentMenu();
}

void TA0::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList files = m_recent.files();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        const QString caption = QString(path).replace(u'&', QStringLiteral("&&")); // no mnemonic from the path
        QAction *item = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(caption));
        item->setData(path);
        connect(item, &QAction::triggered, this,
                [this, path] { m_guard.runHandler(kOpenError, [&] { openRecentFile(path); }); });
    }
    m_recentMenu->menuAction()->setEnabled(!files.isEmpty());
}

void TA0::openRecentFile(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        m_prompts.inform(kRecentMissing.arg(path));
        m_recent.remove(path);
        fillRecentMenu();
        return;
    }
    m_files.openPath(path);
}

void TA0::openPath(const QString &path)
{
    m_guard.runHandler(kOpenError, [this, &path] { m_files.openPath(path); });
}

// Asked once for each change of the file, and only while no dialog is open,
// which takes the window's input.
void TA0::lookAtFile()
{
    if (!isEnabled() || !m_files.watch().takeUnreportedChange())
        return;
    const QString path = m_files.watch().path();
    const bool reload = m_prompts.askYesNo(kChangedOutside.arg(path)) == Prompts::Answer::Yes;
    // The document no longer matches its file unless it was read again.
    if (!reload || !m_guard.runHandler(kOpenError, [&] { m_files.openFile(path); })) {
        m_lines.forgetSaved();
        m_recovery->noteChange();
    }
}

bool TA0::offerRecovery()
{
    while (auto orphan = m_recoveryFolder->claimOrphan()) {
        const auto work = orphan->read();
        const QString question = work && !work->fileName.isEmpty() ? kRecoverNamed.arg(work->fileName) : kRecoverNew;
        if (work && m_prompts.askYesNo(question) == Prompts::Answer::Yes) {
            m_guard.runHandler(kOpenError, [&] { m_files.restore(*work); });
            // The work is in this editor's copy before the old copy goes.
            m_recovery->keepNow();
            orphan->discard();
            return true;
        }
        orphan->discard();
    }
    return false;
}

} // namespace tgx
