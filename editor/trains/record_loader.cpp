#include "trains/record_loader.h"

#include "document/list_colours.h"
#include "document/simulator_catalogue.h"
#include "trains/record_layout.h"
#include "trains/train_dialog_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace tgx {

namespace {

// Chooses the item at index, or none when the list has no such item.
void choose(QComboBox *list, int index)
{
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

// Chooses the item whose index is the number in field, when the field is on the line.
void chooseNumber(QComboBox *list, QStringView record, RecordField field)
{
    if (const auto number = fieldNumber(record, field))
        choose(list, *number);
}

void loadNumber(const TrainDialogControls &c, QStringView record)
{
    if (const auto number = fieldNumber(record, Field::Number))
        c.B4->setText(QString::number(*number));
}

void loadComposition(const TrainDialogControls &c, QStringView record)
{
    for (int i = 0; i < kVehicleCount; ++i) {
        if (const auto vehicle = fieldText(record, vehicleField(i)))
            c.vehicles[i]->setText(vehicle->toString());
    }
}

void loadRun(const RunControls &run, QStringView record, const BlockFields &block)
{
    const auto code = fieldNumber(record, block.code);
    if (!code)
        return;
    if (*code == kOwnStationCode) {
        run.ownStationEnd->setChecked(true);
        return;
    }
    choose(run.station, *code - 1);
    chooseNumber(run.departureHour, record, block.departureHour);
    chooseNumber(run.departureMinute, record, block.departureMinute);
    chooseNumber(run.arrivalHour, record, block.arrivalHour);
    chooseNumber(run.arrivalMinute, record, block.arrivalMinute);
}

void loadTrack(QComboBox *list, QStringView record, int simulator, QString &track)
{
    const bool offersTracks = simulator != kSkalinIndex;
    if (offersTracks)
        normalList(*list);
    else
        greyList(*list);
    const auto character = fieldText(record, Field::Track);
    if (!character)
        return;
    track = character->toString();
    if (offersTracks)
        list->setCurrentIndex(list->findText(track, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

} // namespace

void fillFromRecord(const TrainDialogControls &c, QStringView record, int simulator, QString &track)
{
    if (const auto type = recordTypeIndex(record))
        c.B2->setCurrentIndex(*type);
    loadNumber(c, record);
    loadComposition(c, record);
    loadRun(c.arrival, record, kArrivalBlock);
    const auto passageField = fieldText(record, Field::Passage);
    const QChar passage = passageField ? passageField->front() : QChar();
    if (passesNeighbour(passage))
        c.arrival.passes->setChecked(true);
    loadTrack(c.E0, record, simulator, track);
    loadRun(c.departure, record, kDepartureBlock);
    if (passesOwnStation(passage))
        c.departure.passes->setChecked(true);
    c.F5->setText(recordNote(record).toString());
}

} // namespace tgx
