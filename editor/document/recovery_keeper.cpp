#include "document/recovery_keeper.h"

namespace tgx {

RecoveryKeeper::RecoveryKeeper(RecoveryFolder &folder, std::function<bool()> unsaved,
                               std::function<UnsavedWork()> work, int intervalMs)
    : m_folder(folder), m_unsaved(std::move(unsaved)), m_work(std::move(work)), m_intervalMs(intervalMs)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::keepNow);
}

void RecoveryKeeper::noteChange()
{
    // Saved work needs no copy; the state is looked at again when the timer
    // runs, since a command may still be changing it.
    if (!m_unsaved())
        m_folder.remove();
    // A command may change the text several times; the copy is written once
    // the event loop runs again, when the command has ended.
    if (m_timer.isActive())
        return;
    const qint64 since = m_sinceWrite.isValid() ? m_sinceWrite.elapsed() : m_intervalMs;
    m_timer.start(static_cast<int>(std::max<qint64>(0, m_intervalMs - since)));
}

void RecoveryKeeper::keepNow()
{
    m_timer.stop();
    if (!m_unsaved()) {
        m_folder.remove();
        return;
    }
    // A copy that cannot be written is tried again at the next change.
    if (m_folder.write(m_work()))
        m_sinceWrite.start();
}

} // namespace tgx
