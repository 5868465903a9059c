#include "document/recovery_folder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

namespace tgx {

namespace {

const QString kCopySuffix = QStringLiteral(".recovery");
const QString kLockSuffix = QStringLiteral(".lock");
const QString kFileKey = QStringLiteral("file");
const QString kTextKey = QStringLiteral("text");

QString lockPathOf(const QString &copyPath)
{
    return copyPath.chopped(kCopySuffix.size()) + kLockSuffix;
}

// A lock counts as abandoned only when the process that took it has ended,
// however old the lock file is.
std::unique_ptr<QLockFile> lockFor(const QString &copyPath)
{
    auto lock = std::make_unique<QLockFile>(lockPathOf(copyPath));
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

OrphanedCopy::OrphanedCopy(const QString &copyPath, std::unique_ptr<QLockFile> lock)
    : m_path(copyPath), m_lock(std::move(lock))
{
}

std::optional<UnsavedWork> OrphanedCopy::read() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonDocument json = QJsonDocument::fromJson(file.readAll());
    const QJsonObject work = json.object();
    if (!work.value(kTextKey).isString())
        return std::nullopt;
    return UnsavedWork{work.value(kFileKey).toString(), work.value(kTextKey).toString()};
}

void OrphanedCopy::discard()
{
    QFile::remove(m_path);
    m_lock->unlock();
}

RecoveryFolder::RecoveryFolder(const QString &folder)
    : m_folder(folder)
    , m_copyPath(QDir(folder).filePath(
          QStringLiteral("tgxeditor-%1").arg(QCoreApplication::applicationPid()) + kCopySuffix))
{
}

RecoveryFolder::~RecoveryFolder()
{
    remove();
}

QString RecoveryFolder::defaultFolder()
{
    // The XDG state folder: what the user would not want to lose, but need not
    // back up. Qt names it only from 6.7 on.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/tgxeditor/recovery");
}

bool RecoveryFolder::write(const UnsavedWork &work)
{
    if (!m_lock)
        takeOwnLock();
    const QJsonObject json{{kFileKey, work.fileName}, {kTextKey, work.text}};
    const QByteArray bytes = QJsonDocument(json).toJson(QJsonDocument::Compact);
    QSaveFile file(m_copyPath);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

void RecoveryFolder::remove()
{
    if (!m_lock)
        return;
    QFile::remove(m_copyPath);
    m_lock.reset();
}

// A copy under this editor's name can only be from an ended editor whose
// process number came round again: it is renamed, so that it is offered at the
// next start rather than overwritten.
void RecoveryFolder::takeOwnLock()
{
    QDir().mkpath(m_folder);
    m_lock = lockFor(m_copyPath);
    m_lock->tryLock(0);
    if (QFile::exists(m_copyPath)) {
        const QString stamp = QString::number(QDateTime::currentMSecsSinceEpoch());
        QFile::rename(m_copyPath, m_copyPath.chopped(kCopySuffix.size()) + u'-' + stamp + kCopySuffix);
    }
}

std::optional<OrphanedCopy> RecoveryFolder::claimOrphan() const
{
    const QDir folder(m_folder);
    const QStringList copies =
        folder.entryList({QStringLiteral("*") + kCopySuffix}, QDir::Files, QDir::Name);
    for (const QString &name : copies) {
        const QString path = folder.filePath(name);
        if (path == m_copyPath)
            continue;
        auto lock = lockFor(path);
        if (lock->tryLock(0))
            return OrphanedCopy(path, std::move(lock));
    }
    return std::nullopt;
}

} // namespace tgx
