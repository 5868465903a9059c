#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QSaveFile;

namespace tgx {

// Whole-file reads and writes, behind an interface so that tests can make them fail.
class FileStore {
public:
    virtual ~FileStore() = default;
    // The file's bytes; fails with a description naming the file.
    virtual QByteArray read(const QString &path) const = 0;
    // Replaces the file with bytes, all or nothing.
    virtual void write(const QString &path, const QByteArray &bytes) const = 0;
};

// The files on disk. A write goes to a temporary file beside the target, which
// replaces the target only once every byte is written, so a failed write
// leaves the old file as it was.
class DiskFileStore : public FileStore {
public:
    // Larger files are refused rather than loaded into the source view.
    static constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

    QByteArray read(const QString &path) const override;
    void write(const QString &path, const QByteArray &bytes) const override;

protected:
    // The file a write goes through; tests substitute one that fails.
    virtual std::unique_ptr<QSaveFile> saveFile(const QString &path) const;
};

} // namespace tgx
