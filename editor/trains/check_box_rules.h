#pragma once

namespace tgx {

struct RunControls;
struct TrainDialogControls;

// What the train dialog's four check boxes decide: which captions, lists and
// boxes are enabled (lists in the window colour) or disabled (lists grey), and
// the copying of the arrival time while the train passes the own station.
// "Výchozí" excludes the other three boxes; "Končící" excludes "Výchozí" and
// the departure "Průjezd"; either "Průjezd" excludes "Výchozí".
class CheckBoxRules {
public:
    explicit CheckBoxRules(const TrainDialogControls &controls) : m_c(controls) {}

    // Enables and greys the controls as the boxes now stand; run whenever a
    // box changes, whoever changes it. Entries keep their values.
    void apply() const;

    // Whether the departure "Průjezd" (`F3`) is ticked: the train passes the
    // own station and departs at its arrival time.
    bool passesOwnStation() const;
    // The departure hour `E5` takes the arrival hour `D4`, when one is chosen.
    void copyArrivalHour() const;
    // The departure minute `E7` takes the arrival minute `D6`, when one is chosen.
    void copyArrivalMinute() const;

private:
    const TrainDialogControls &m_c;
};

} // namespace tgx
