#pragma once

#include <QString>

namespace tgx {

// The program's name, and its version as the build gives it (the project's
// version), for the header stamp, --version and the About dialog.
inline const QString kProgramTitle = QStringLiteral("TGX editor");
inline const QString kProgramVersion = QStringLiteral(TGX_VERSION);

} // namespace tgx
