#include "help/help_window.h"

namespace tgx {

TA2::TA2(QWidget &mainWindow, ErrorGuard &guard)
    : DialogForm(mainWindow, guard, QStringLiteral("Error A2"))
{
    setObjectName(QStringLiteral("A2"));
    setWindowTitle(QStringLiteral("Nápověda pro TGX editor"));
    setClientSize(632, 446);
}

} // namespace tgx
