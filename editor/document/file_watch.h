#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

namespace tgx {

// The document's file as the editor last read or wrote it, to tell when
// another program has changed or removed it since.
class FileWatch : public QObject {
    Q_OBJECT

public:
    explicit FileWatch(QObject *parent = nullptr);

    // The file holds bytes, as the editor has just read or written them.
    void remember(const QString &path, const QByteArray &bytes);
    // The file holds what is on disk now (a missing file counts as such).
    void rememberAsOnDisk(const QString &path);
    void forget(); // the document has no file
    QString path() const { return m_path; }

    // Whether the file now differs from what the editor last read or wrote,
    // or is gone.
    bool changedOnDisk();
    // The same, but true only once for each new state of the file, so that
    // one change is reported once.
    bool takeUnreportedChange();

signals:
    void baselineChanged();    // the document got another file, or its file was read or written
    void fileTouched();        // something wrote to or removed the file, perhaps the editor itself

private:
    struct Stamp {
        bool exists = false;
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Stamp &) const = default;
    };
    static Stamp stampOf(const QString &path);
    QByteArray digestOnDisk() const; // empty when the file cannot be read
    void watch(const QString &path);
    void onFileChanged();

    QFileSystemWatcher m_watcher;
    QString m_path;
    QByteArray m_digest;   // of the bytes last read or written
    Stamp m_stamp;         // of the file as it was then
    bool m_touched = false; // the watcher saw a change not compared yet
    QByteArray m_reported; // digest of the state last reported
    bool m_hasReported = false;
};

} // namespace tgx
