#pragma once

#include "document/dialog_form.h"

namespace tgx {

// The About dialog.
class TA3 : public DialogForm {
    Q_OBJECT

public:
    TA3(QWidget &mainWindow, ErrorGuard &guard);
};

} // namespace tgx
