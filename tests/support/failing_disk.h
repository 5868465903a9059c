#pragma once

#include "document/file_store.h"

namespace tgx::test {

// The disk, but every write takes its first 16 bytes and then fails, as a
// full disk would.
class FailingDisk : public DiskFileStore {
protected:
    std::unique_ptr<QSaveFile> saveFile(const QString &path) const override;
};

} // namespace tgx::test
