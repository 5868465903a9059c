#include "document/file_store.h"

#include "document/failure.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tgx {

namespace {

[[noreturn]] void fail(const QString &what, const QString &path, const QString &reason)
{
    throw Failure(QStringLiteral("%1 „%2“: %3").arg(what, path, reason));
}

} // namespace

QByteArray DiskFileStore::read(const QString &path) const
{
    const QString what = QStringLiteral("Soubor nelze přečíst");
    const QFileInfo info(path);
    if (info.isDir())
        fail(what, path, QStringLiteral("je to složka."));
    if (info.exists() && !info.isFile())
        fail(what, path, QStringLiteral("není to obyčejný soubor."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(what, path, file.errorString());
    if (file.size() > kMaxFileSize)
        fail(what, path, QStringLiteral("je větší než %1 MiB.").arg(kMaxFileSize / (1024 * 1024)));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(what, path, file.errorString());
    return bytes;
}

void DiskFileStore::write(const QString &path, const QByteArray &bytes) const
{
    const QString what = QStringLiteral("Soubor nelze uložit");
    auto file = saveFile(path);
    if (!file->open(QIODevice::WriteOnly))
        fail(what, path, file->errorString());
    if (file->write(bytes) != bytes.size() || !file->commit())
        fail(what, path, file->errorString());
}

std::unique_ptr<QSaveFile> DiskFileStore::saveFile(const QString &path) const
{
    return std::make_unique<QSaveFile>(path);
}

} // namespace tgx
