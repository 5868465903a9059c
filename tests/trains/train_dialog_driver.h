#pragma once

#include "app_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace tgx::test {

inline const QString kVrbinov = QStringLiteral("Zelto ŽST Vrbinov");
inline const QString kDolanov = QStringLiteral("Zelto ŽST Dolanov");
inline const QString kZalesi = QStringLiteral("Zelto ŽST Zálesí");
inline const QString kHutky = QStringLiteral("Zelto ŽST Hutky");
inline const QString kOlsanov = QStringLiteral("Zelto ŽST Olšanov");
inline const QString kSkalin = QStringLiteral("Zelto Dl. Skalín");

// A record from its parts: the 13 characters of each block, the ten vehicles
// as one text and the note.
QString record(QStringView type, QStringView number, QStringView arrival, QStringView track, QStringView passage,
               QStringView departure, QStringView vehicles, QStringView note = {});

// Drives the train dialog of an App as a user would, and reads its state.
class TrainDialog {
public:
    explicit TrainDialog(App &app) : m_app(app) {}

    TA4 &form() { return m_app.forms->A4; }
    QComboBox *list(const char *name);
    QLineEdit *edit(const char *name);
    QCheckBox *box(const char *name);
    QPushButton *button(const char *name);

    // Chooses an item of a list the way the user does (the choice is reported).
    void choose(const char *list, int index);
    // Clicks a check box or button; a disabled one ignores the click.
    void click(const char *name);
    void type(const char *edit, const QString &text);

    // Fills every entry of the example train of "Zelto ŽST Hutky" (Os 4521 from
    // "Česká Zálesí" 7:05-7:12, track "1", to "Vrbinov" 7:13-7:40, vehicles 012
    // and 013), whose record is kHutkyRecord.
    void fillHutkyTrain();

    // The four boxes and the greying they decide, in one line:
    // "D7 on|D8 off dis|F2 off dis|F3 off dis|arrival grey|departure normal|times normal".
    // "arrival" is the arrival group's captions and lists, "departure" those of
    // the departure group but `E5` and `E7`, which are "times".
    QString boxState();

private:
    App &m_app;
};

inline const QString kHutkyRecord =
    QStringLiteral("1804521107050712070011207130740270000012013000000000000000000000000");

// Puts the simulator into header line 2 and the specified neighbour into line 7.
void setTimetable(App &app, const QString &simulator, const QString &specifiedNeighbour = {});
// Selects item row of the main window's train list.
void selectTrain(App &app, int row);

} // namespace tgx::test
