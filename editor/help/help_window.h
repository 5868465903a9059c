#pragma once

#include "document/dialog_form.h"

class QPlainTextEdit;

namespace tgx {

// The help window: the user guide as read-only, wrapped text on white, at a
// fixed place on the screen. Closing it by its close box runs FormClose
// ("Error A2"), which enables the main window again.
class TA2 : public DialogForm {
    Q_OBJECT

public:
    TA2(QWidget &mainWindow, ErrorGuard &guard);

private:
    QPlainTextEdit *B0 = nullptr; // the help text, covering the client area
};

} // namespace tgx
