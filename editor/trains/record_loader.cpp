#include "trains/record_loader.h"

#include "document/list_colours.h"
#include "document/simulator_catalogue.h"
#include "trains/decoded_record.h"
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

// Chooses the item whose index is the field's number, when the field is on the line.
void chooseNumber(QComboBox *list, const FieldValue &field)
{
    if (const auto number = field.number())
        choose(list, *number);
}

void loadNumber(const TrainDialogControls &c, const DecodedRecord &record)
{
    if (const auto number = record.number.number())
        c.B4->setText(QString::number(*number));
}

void loadComposition(const TrainDialogControls &c, const DecodedRecord &record)
{
    for (int i = 0; i < kVehicleCount; ++i) {
        if (const FieldValue vehicle = record.vehicle(i); vehicle.onLine())
            c.vehicles[i]->setText(vehicle.text().toString());
    }
}

void loadRun(const RunControls &controls, const DecodedRun &run)
{
    const auto code = run.code.number();
    if (!code)
        return;
    if (*code == kOwnStationCode) {
        controls.ownStationEnd->setChecked(true);
        return;
    }
    choose(controls.station, *code - 1);
    chooseNumber(controls.departureHour, run.departureHour);
    chooseNumber(controls.departureMinute, run.departureMinute);
    chooseNumber(controls.arrivalHour, run.arrivalHour);
    chooseNumber(controls.arrivalMinute, run.arrivalMinute);
}

void loadTrack(QComboBox *list, const FieldValue &field, int simulator, QString &track)
{
    const bool offersTracks = simulator != kSkalinIndex;
    if (offersTracks)
        normalList(*list);
    else
        greyList(*list);
    if (!field.onLine())
        return;
    track = field.text().toString();
    if (offersTracks)
        list->setCurrentIndex(list->findText(track, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

} // namespace

void fillFromRecord(const TrainDialogControls &c, QStringView line, int simulator, QString &track)
{
    const DecodedRecord record(line);
    if (const int type = record.typeIndex(); type >= 0)
        c.B2->setCurrentIndex(type);
    loadNumber(c, record);
    loadComposition(c, record);
    loadRun(c.arrival, record.arrival);
    if (record.passesNeighbour())
        c.arrival.passes->setChecked(true);
    loadTrack(c.E0, record.track, simulator, track);
    loadRun(c.departure, record.departure);
    if (record.passesOwnStation())
        c.departure.passes->setChecked(true);
    c.F5->setText(record.note().toString());
}

} // namespace tgx
