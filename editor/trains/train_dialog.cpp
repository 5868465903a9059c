#include "trains/train_dialog.h"

namespace tgx {

TA4::TA4(QWidget &mainWindow, ErrorGuard &guard, Prompts &prompts, DocumentLines &lines,
         const TrainSelection &selection)
    : DialogForm(mainWindow, guard, QStringLiteral("Error A4-A"), QStringLiteral("Error A4-B"))
    , m_prompts(prompts)
    , m_lines(lines)
    , m_selection(selection)
{
    setObjectName(QStringLiteral("A4"));
    setWindowTitle(QStringLiteral("Přidat vlak"));
    setClientSize(377, 369);
}

void TA4::loadRecord(const QString &)
{
}

} // namespace tgx
