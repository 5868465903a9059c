#pragma once

#include "trains/record_layout.h"

#include <array>

class QCheckBox;
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tgx {

// The controls of one run group of the train dialog. The arrival group "Příjezd"
// (`C6`) and the departure group "Odjezd" (`E1`) have the same make-up; the
// names of both are given, arrival first.
struct RunControls {
    QGroupBox *group = nullptr;          // `C6` / `E1`
    QLabel *stationLabel = nullptr;      // `C7` "Ze stanice" / `E2` "Do stanice"
    QComboBox *station = nullptr;        // `C8` / `E3`: the neighbour, filled on showing
    QLabel *departureLabel = nullptr;    // `C9` / `E4` "Odjezd"
    QComboBox *departureHour = nullptr;  // `D0` / `E5`: "0" to "23"
    QLabel *departureColon = nullptr;    // `D1` / `E6` ":"
    QComboBox *departureMinute = nullptr; // `D2` / `E7`: "00" to "59"
    QLabel *arrivalLabel = nullptr;      // `D3` / `E8` "Příjezd"
    QComboBox *arrivalHour = nullptr;    // `D4` / `E9`
    QLabel *arrivalColon = nullptr;      // `D5` / `F0` ":"
    QComboBox *arrivalMinute = nullptr;  // `D6` / `F1`
    QCheckBox *ownStationEnd = nullptr;  // `D7` "Výchozí" / `F2` "Končící"
    QCheckBox *passes = nullptr;         // `D8` / `F3` "Průjezd"

    // The captions of the group, disabled together with its lists.
    std::array<QLabel *, 5> labels() const;
    // The station and the four time lists.
    std::array<QComboBox *, 5> lists() const;
};

// Every control of the train dialog `TA4`, by role.
struct TrainDialogControls {
    QComboBox *B2 = nullptr;   // "Druhová zkratka": the train type
    QLineEdit *B4 = nullptr;   // "Číslo vlaku": the train number, digits only
    std::array<QLineEdit *, kVehicleCount> vehicles{}; // `B6`-`C5` "Vlakotvorba": three digits each
    RunControls arrival;       // group "Příjezd" `C6`
    QComboBox *E0 = nullptr;   // "Pravidelná kolej" (`D9`), arrival group: the regular track
    RunControls departure;     // group "Odjezd" `E1`
    QLineEdit *F5 = nullptr;   // "Poznámka" (`F4`), departure group: the note
    QPushButton *F6 = nullptr; // "Storno"
    QPushButton *F7 = nullptr; // "OK", the default button
};

// Creates the controls on form, placed, named, captioned and filled with their
// fixed items, in tab order. Every list starts without a chosen item.
TrainDialogControls createTrainDialogControls(QDialog &form);

} // namespace tgx
