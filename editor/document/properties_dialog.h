#pragma once

#include "document/dialog_form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tgx {

class DocumentLines;
class Prompts;

// The timetable properties dialog: shows the header lines meant for people
// and writes them back on "OK".
class TA1 : public DialogForm {
    Q_OBJECT

public:
    TA1(QWidget &mainWindow, ErrorGuard &guard, Prompts &prompts, DocumentLines &lines);

    // New fills `B5` with the simulators again, none selected.
    void resetSimulatorChoice();

protected:
    void FormShow() override; // fills the fields from the header

private:
    void createControls();
    void B5Change();          // the user picked a simulator
    void D1Click();           // "OK": write back, then validate
    void D0Click();           // "Storno"
    void writeBack();
    QString missingEntry() const;
    void clearStationOptions();
    void offerStationOptions(int simulator);

    Prompts &m_prompts;
    DocumentLines &m_lines;

    QLineEdit *B3 = nullptr;   // "Název", line 1
    QComboBox *B5 = nullptr;   // "Pro simulátor", line 2
    QLabel *B6 = nullptr;      // "Upřesnit ŽST"
    QComboBox *B7 = nullptr;   // specified neighbour, line 7
    QLineEdit *B9 = nullptr;   // "Soubor vozidel", line 6
    QLineEdit *C1 = nullptr;   // "Autor", line 8
    QLineEdit *C3 = nullptr;   // "Verze", line 9
    QLineEdit *C5 = nullptr;   // "Komentář", line 10
    QLineEdit *C7 = nullptr;   // "Editor": writer name of line 4, read-only
    QLineEdit *C9 = nullptr;   // "Kódování": line 3, read-only
    QPushButton *D0 = nullptr; // "Storno"
    QPushButton *D1 = nullptr; // "OK", the default button
};

} // namespace tgx
