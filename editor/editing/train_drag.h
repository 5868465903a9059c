#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace tgx {

// A train being moved in time with the mouse, from the press on it to the
// release. It counts whole minutes only, towards zero, so that a drag of less
// than a minute either way moves nothing. The views keep it in minutes of
// the day rather than pixels, so zooming while dragging changes nothing.
class TrainDrag {
public:
    struct Move {
        int line = 0;    // document line of the train
        int minutes = 0; // never 0
    };

    // Starts dragging the train of document line at minute (fractional).
    void start(int line, double minute);
    bool active() const { return m_line > 0; }
    int line() const { return m_line; }
    // The whole minutes the train is moved by now; 0 when no drag is on.
    int minutes() const { return m_minutes; }

    // Follows the mouse to minute; true when the whole minutes changed.
    bool moveTo(double minute);
    // Ends the drag without a move (Escape, or the view losing the mouse).
    void cancel();
    // Ends the drag: the move to make, or nothing for less than a minute.
    std::optional<Move> finish();

private:
    int m_line = 0;
    double m_startMinute = 0;
    int m_minutes = 0;
};

// The label a dragged train carries: "+7 min", "−12 min".
QString shiftLabel(int minutes);

// The record with its times moved by minutes, as "Opakovat vlak" moves a
// copy, keeping its train number. Fails with a Failure when the record
// cannot be moved in time.
QString movedRecord(QStringView record, int minutes);

} // namespace tgx
