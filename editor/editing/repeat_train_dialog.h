#pragma once

#include "document/dialog_form.h"
#include "editing/train_repeat.h"

class QPushButton;
class QSpinBox;

namespace tgx {

class DocumentLines;
class Prompts;
class TrainSelection;

// The repeat dialog "Opakovat vlak": on "OK" appends copies of the selected
// train, each later by the interval and with its number changed by the step,
// as one step of the history. The main window opens it only with a train
// selected. Its three values stay as the user left them from one showing to
// the next, so that several trains are repeated alike without retyping.
class RepeatTrainDialog : public DialogForm {
    Q_OBJECT

public:
    RepeatTrainDialog(QWidget &mainWindow, ErrorGuard &guard, Prompts &prompts, DocumentLines &lines,
                      const TrainSelection &selection);

    RepeatSettings settings() const; // the values as entered

protected:
    void FormShow() override; // puts the cursor into the count

private:
    void createControls();
    void connectHandlers();
    void B6Click(); // "Storno"
    void B7Click(); // "OK": repeat the selected train, close
    void appendCopies(const QStringList &copies);

    Prompts &m_prompts;
    DocumentLines &m_lines;
    const TrainSelection &m_selection;

    QSpinBox *B1 = nullptr;    // "Počet opakování"
    QSpinBox *B3 = nullptr;    // "Interval (min)"
    QSpinBox *B5 = nullptr;    // "Změna čísla vlaku"
    QPushButton *B6 = nullptr; // "Storno"
    QPushButton *B7 = nullptr; // "OK", the default button
};

} // namespace tgx
