#include "trains/check_box_rules.h"

#include "document/list_colours.h"
#include "trains/train_dialog_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

namespace tgx {

namespace {

void setList(QComboBox *list, bool enabled)
{
    if (enabled)
        normalList(*list);
    else
        greyList(*list);
}

// A run group's captions and lists, not its check boxes.
void setRun(const RunControls &run, bool enabled)
{
    for (QLabel *label : run.labels())
        label->setEnabled(enabled);
    for (QComboBox *list : run.lists())
        setList(list, enabled);
}

void copySelection(const QComboBox *from, QComboBox *to)
{
    if (from->currentIndex() >= 0)
        to->setCurrentIndex(from->currentIndex());
}

} // namespace

void CheckBoxRules::apply() const
{
    const bool originates = m_c.arrival.ownStationEnd->isChecked();
    const bool passesNeighbour = m_c.arrival.passes->isChecked();
    const bool terminates = m_c.departure.ownStationEnd->isChecked();
    const bool passesOwn = passesOwnStation();

    setRun(m_c.arrival, !originates);
    m_c.arrival.ownStationEnd->setEnabled(!passesNeighbour && !terminates && !passesOwn);
    m_c.arrival.passes->setEnabled(!originates);

    setRun(m_c.departure, !terminates);
    // A passing train's departure is its arrival, copied and not to be changed.
    setList(m_c.departure.departureHour, !terminates && !passesOwn);
    setList(m_c.departure.departureMinute, !terminates && !passesOwn);
    m_c.departure.ownStationEnd->setEnabled(!originates && !passesOwn);
    m_c.departure.passes->setEnabled(!originates && !terminates);
}

bool CheckBoxRules::passesOwnStation() const
{
    return m_c.departure.passes->isChecked();
}

void CheckBoxRules::copyArrivalHour() const
{
    copySelection(m_c.arrival.arrivalHour, m_c.departure.departureHour);
}

void CheckBoxRules::copyArrivalMinute() const
{
    copySelection(m_c.arrival.arrivalMinute, m_c.departure.departureMinute);
}

} // namespace tgx
