#pragma once

#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>

namespace tgx {

// Unsaved work as a recovery copy keeps it: the document's text and the file
// it belongs to (empty for a document never saved).
struct UnsavedWork {
    QString fileName;
    QString text;
};

// A recovery copy left by an editor that is no longer running. While this
// object lives, this editor holds the copy's lock, so no other editor offers
// the same copy at the same time.
class OrphanedCopy {
public:
    OrphanedCopy(const QString &copyPath, std::unique_ptr<QLockFile> lock);
    // The work it holds; nothing when the copy cannot be read.
    std::optional<UnsavedWork> read() const;
    // Deletes the copy and its lock.
    void discard();

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

// The folder where running editors keep recovery copies of unsaved work:
// one copy per running editor, named after its process, next to a lock file
// that tells whether that editor is still running.
class RecoveryFolder {
public:
    explicit RecoveryFolder(const QString &folder);
    ~RecoveryFolder();
    RecoveryFolder(const RecoveryFolder &) = delete;
    RecoveryFolder &operator=(const RecoveryFolder &) = delete;

    // In the user's state folder.
    static QString defaultFolder();

    QString copyPath() const { return m_copyPath; } // this editor's copy
    // Replaces this editor's copy as a whole; false when it cannot be written.
    bool write(const UnsavedWork &work);
    void remove();

    // The next copy whose editor has ended, locked for this editor; nothing
    // when there is none.
    std::optional<OrphanedCopy> claimOrphan() const;

private:
    void takeOwnLock();

    QString m_folder;
    QString m_copyPath;
    std::unique_ptr<QLockFile> m_lock; // held while this editor runs
};

} // namespace tgx
