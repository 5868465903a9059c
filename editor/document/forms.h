#pragma once

#include "document/error_guard.h"
#include "document/main_window.h"
#include "document/properties_dialog.h"
#include "editing/repeat_train_dialog.h"
#include "help/about_dialog.h"
#include "help/help_window.h"
#include "printing/print_preview_dialog.h"
#include "trains/train_dialog.h"

namespace tgx {

// The program's windows, created in the order TA0 to TA4 and then the repeat
// dialog and the print preview; each lives until the program ends, and closing a dialog only hides it.
class Forms {
public:
    Forms(Prompts &prompts, const FileStore &store);

private:
    ErrorGuard m_guard;

public:
    TA0 A0; // main window
    TA1 A1; // properties
    TA2 A2; // help
    TA3 A3; // About
    TA4 A4; // train dialog
    RepeatTrainDialog A5; // repeat dialog "Opakovat vlak"
    PrintPreviewDialog A6; // print preview "Tisk"
};

} // namespace tgx
