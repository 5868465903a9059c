#pragma once

#include "document/dialog_form.h"

namespace tgx {

// The help window with the user guide.
class TA2 : public DialogForm {
    Q_OBJECT

public:
    TA2(QWidget &mainWindow, ErrorGuard &guard);
};

} // namespace tgx
