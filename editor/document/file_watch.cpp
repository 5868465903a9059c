#include "document/file_watch.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace tgx {

namespace {

constexpr auto kDigest = QCryptographicHash::Sha256;

} // namespace

FileWatch::FileWatch(QObject *parent) : QObject(parent)
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FileWatch::onFileChanged);
}

void FileWatch::remember(const QString &path, const QByteArray &bytes)
{
    watch(path);
    m_digest = QCryptographicHash::hash(bytes, kDigest);
    m_stamp = stampOf(path);
    emit baselineChanged();
}

void FileWatch::rememberAsOnDisk(const QString &path)
{
    watch(path);
    m_digest = digestOnDisk();
    m_stamp = stampOf(path);
    emit baselineChanged();
}

void FileWatch::forget()
{
    watch(QString());
    m_digest.clear();
    m_stamp = {};
    emit baselineChanged();
}

void FileWatch::watch(const QString &path)
{
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    m_path = path;
    m_touched = false;
    m_hasReported = false;
    if (!path.isEmpty() && QFileInfo::exists(path))
        m_watcher.addPath(path);
}

// A program that saves by replacing the file ends the watch on the old one:
// the new file is watched again.
void FileWatch::onFileChanged()
{
    m_touched = true;
    if (QFileInfo::exists(m_path) && !m_watcher.files().contains(m_path))
        m_watcher.addPath(m_path);
    emit fileTouched();
}

FileWatch::Stamp FileWatch::stampOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {true, info.size(), info.lastModified()};
}

QByteArray FileWatch::digestOnDisk() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(kDigest);
    if (!hash.addData(&file))
        return {};
    return hash.result();
}

// The size and time of the file decide quickly that nothing changed; the
// bytes decide otherwise, so that a file rewritten with the same content (the
// editor's own save included) counts as unchanged.
bool FileWatch::changedOnDisk()
{
    if (m_path.isEmpty())
        return false;
    const Stamp now = stampOf(m_path);
    if (!m_touched && now == m_stamp)
        return false;
    if (now.exists && digestOnDisk() == m_digest) {
        m_stamp = now;
        m_touched = false;
        return false;
    }
    return true;
}

bool FileWatch::takeUnreportedChange()
{
    if (!changedOnDisk())
        return false;
    const QByteArray state = digestOnDisk();
    if (m_hasReported && state == m_reported)
        return false;
    m_reported = state;
    m_hasReported = true;
    return true;
}

} // namespace tgx
