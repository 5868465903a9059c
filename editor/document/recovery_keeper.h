#pragma once

#include "document/recovery_folder.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

namespace tgx {

// Keeps a recovery copy of the document while it has unsaved changes: written
// at the first change after a quiet while, then at most once per interval,
// and removed as soon as nothing is unsaved.
class RecoveryKeeper : public QObject {
    Q_OBJECT

public:
    static constexpr int kIntervalMs = 30'000;

    // unsaved: whether the document has unsaved changes; work: what it holds now.
    RecoveryKeeper(RecoveryFolder &folder, std::function<bool()> unsaved, std::function<UnsavedWork()> work,
                   int intervalMs = kIntervalMs);

    // The text or the document's state changed.
    void noteChange();
    // Writes the copy at once when there are unsaved changes.
    void keepNow();

private:
    RecoveryFolder &m_folder;
    std::function<bool()> m_unsaved;
    std::function<UnsavedWork()> m_work;
    int m_intervalMs;
    QTimer m_timer;
    QElapsedTimer m_sinceWrite; // invalid until the first copy is written
};

} // namespace tgx
