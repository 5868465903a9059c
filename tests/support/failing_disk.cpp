#include "failing_disk.h"

#include <QSaveFile>

#include <algorithm>

namespace tgx::test {

namespace {

constexpr qint64 kBytesBeforeFailing = 16;

class FailingSaveFile : public QSaveFile {
public:
    using QSaveFile::QSaveFile;

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        if (m_written >= kBytesBeforeFailing)
            return -1;
        const qint64 taken = QSaveFile::writeData(data, std::min(length, kBytesBeforeFailing - m_written));
        m_written += taken;
        return taken;
    }

private:
    qint64 m_written = 0;
};

} // namespace

std::unique_ptr<QSaveFile> FailingDisk::saveFile(const QString &path) const
{
    return std::make_unique<FailingSaveFile>(path);
}

} // namespace tgx::test
