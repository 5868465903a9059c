#include "help/about_dialog.h"

namespace tgx {

TA3::TA3(QWidget &mainWindow, ErrorGuard &guard)
    : DialogForm(mainWindow, guard, QStringLiteral("Error A3-A"))
{
    setObjectName(QStringLiteral("A3"));
    setWindowTitle(QStringLiteral("O programu"));
    setClientSize(392, 266);
}

} // namespace tgx
