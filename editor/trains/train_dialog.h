#pragma once

#include "document/dialog_form.h"

namespace tgx {

class DocumentLines;
class Prompts;
class TrainSelection;

// The train dialog: describes one train and, on "OK", appends it to the
// document or replaces the line of the train being edited.
class TA4 : public DialogForm {
    Q_OBJECT

public:
    TA4(QWidget &mainWindow, ErrorGuard &guard, Prompts &prompts, DocumentLines &lines,
        const TrainSelection &selection);

    // Loads a record into the controls for editing.
    void loadRecord(const QString &record);

private:
    Prompts &m_prompts;
    DocumentLines &m_lines;
    const TrainSelection &m_selection;
};

} // namespace tgx
