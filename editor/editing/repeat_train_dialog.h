#pragma once

#include "document/dialog_form.h"
#include "editing/train_repeat.h"

class QLabel;
class QPushButton;

namespace tgx {

class DocumentLines;
class Prompts;
class RangeField;
class TrainSelection;

// The repeat dialog "Opakovat vlak": on "OK" appends copies of the selected
// train, each later by the interval and with its number changed by the step,
// as one step of the history. The main window opens it only with a train
// selected. It names the train and shows, while the values are typed, what
// "OK" will make of it, or why it will refuse. Its three values stay as the
// user left them from one showing to the next, so that several trains are
// repeated alike without retyping.
class RepeatTrainDialog : public DialogForm {
    Q_OBJECT

public:
    RepeatTrainDialog(QWidget &mainWindow, ErrorGuard &guard, Prompts &prompts, DocumentLines &lines,
                      const TrainSelection &selection);

    // The values as entered; a field whose text is not a number of its range gives 0.
    RepeatSettings settings() const;

signals:
    // "OK" appended the copies; the first of them is on this document line.
    void copiesAppended(int firstLine);

protected:
    void FormShow() override; // names the train, puts the cursor into the count
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The copies the entered values make of a record, or the message that
    // refuses them (then no copies).
    struct Outcome {
        QStringList copies;
        QString refusal;
        RangeField *wrongField = nullptr; // the field the refusal is about, if any
    };

    void createControls();
    void connectHandlers();
    void B6Click(); // "Storno"
    void B7Click(); // "OK": repeat the selected train, close
    void showPreview();
    Outcome outcome(const QString &record) const;
    QString selectedRecord() const;
    void appendCopies(const QStringList &copies);

    Prompts &m_prompts;
    DocumentLines &m_lines;
    const TrainSelection &m_selection;

    QLabel *B9 = nullptr;      // the train repeated
    RangeField *B1 = nullptr;  // "Počet opakování"
    RangeField *B3 = nullptr;  // "Interval (min)"
    RangeField *B5 = nullptr;  // "Změna čísla vlaku"
    QLabel *C0 = nullptr;      // what "OK" will make, or why it will refuse
    QPushButton *B6 = nullptr; // "Storno"
    QPushButton *B7 = nullptr; // "OK", the default button
};

} // namespace tgx
