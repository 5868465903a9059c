#pragma once

#include "document/dialog_form.h"
#include "trains/check_box_rules.h"
#include "trains/train_dialog_controls.h"

#include <QString>

namespace tgx {

class DocumentLines;
class Prompts;
class TrainSelection;

// The train dialog: describes one train and, on "OK", appends it to the
// document or replaces the line of the train being edited. Its caption, set by
// the opening command, tells which: "Přidat vlak" or "Upravit vlak".
class TA4 : public DialogForm {
    Q_OBJECT

public:
    TA4(QWidget &mainWindow, ErrorGuard &guard, Prompts &prompts, DocumentLines &lines,
        const TrainSelection &selection);

    // Loads a record into the controls for editing; an empty record loads
    // nothing. A number field that is not decimal fails with kConversionError
    // and leaves the fields before it loaded.
    void loadRecord(const QString &record);

signals:
    // "OK" wrote the train to this document line.
    void trainStored(int line);

protected:
    void FormShow() override;  // fills the station and track lists for the timetable's simulator
    void FormClose() override; // resets every entry but the note

private:
    void connectHandlers();
    void D4Change(); // the user chose an arrival hour
    void D6Change(); // the user chose an arrival minute
    void D7Click();  // "Výchozí" changed
    void D8Click();  // arrival "Průjezd" changed
    void F2Click();  // "Končící" changed
    void F3Click();  // departure "Průjezd" changed
    void F6Click();  // "Storno"
    void F7Click();  // "OK": check, compose, store, close
    std::optional<int> storeRecord(const QString &record); // the line written, if any
    void resetRun(const RunControls &run);

    Prompts &m_prompts;
    DocumentLines &m_lines;
    const TrainSelection &m_selection;
    TrainDialogControls m_c;
    CheckBoxRules m_rules{m_c};
    int m_simulator = -1;        // catalogue index of the timetable's simulator, read on showing
    QString m_trackWithoutList;  // track written where the simulator offers no track list
};

} // namespace tgx
