#include "document/recent_files.h"

namespace tgx {

namespace {

const QString kKey = QStringLiteral("recentFiles");

} // namespace

RecentFiles::RecentFiles() : m_settings(QStringLiteral("tgxeditor"), QStringLiteral("tgxeditor"))
{
}

RecentFiles::RecentFiles(const QString &settingsFile) : m_settings(settingsFile, QSettings::IniFormat)
{
}

// Read anew each time: another editor may have opened or saved files meanwhile.
QStringList RecentFiles::files() const
{
    m_settings.sync();
    QStringList files = m_settings.value(kKey).toStringList();
    files.removeAll(QString());
    return files.mid(0, kMaxCount);
}

void RecentFiles::add(const QString &path)
{
    QStringList list = files();
    list.removeAll(path);
    list.prepend(path);
    store(list.mid(0, kMaxCount));
}

void RecentFiles::remove(const QString &path)
{
    QStringList list = files();
    list.removeAll(path);
    store(list);
}

void RecentFiles::store(const QStringList &files)
{
    m_settings.setValue(kKey, files);
    m_settings.sync();
}

} // namespace tgx
