#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

namespace tgx {

// The files last opened or saved, the most recent first, kept in the user's
// configuration folder: the editor's only setting.
class RecentFiles {
public:
    static constexpr int kMaxCount = 8;

    RecentFiles(); // in the user's configuration folder
    explicit RecentFiles(const QString &settingsFile);

    QStringList files() const;
    // Puts path first; an older entry of it goes, and the oldest beyond the limit.
    void add(const QString &path);
    void remove(const QString &path);

private:
    void store(const QStringList &files);

    mutable QSettings m_settings;
};

} // namespace tgx
