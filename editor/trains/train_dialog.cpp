#include "trains/train_dialog.h"

#include "document/document_lines.h"
#include "document/error_guard.h"
#include "document/header_lines.h"
#include "document/list_colours.h"
#include "document/prompts.h"
#include "document/simulator_catalogue.h"
#include "document/train_selection.h"
#include "trains/entry_checks.h"
#include "trains/record_loader.h"
#include "trains/station_table.h"
#include "trains/train_commands_texts.h"
#include "trains/train_types.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

namespace tgx {

namespace {

const QString kResetType = QStringLiteral("Os");

// Handlers and the texts their guards show.
const QString kCloseError = QStringLiteral("Error A4-A");
const QString kShowError = QStringLiteral("Error A4-B");
const QString kOkError = QStringLiteral("Error A4-H");
const QString kArrivalHourError = QStringLiteral("Error A4-N");
const QString kArrivalMinuteError = QStringLiteral("Error A4-O");
const QString kOriginatesError = QStringLiteral("Error A4-P");
const QString kPassesNeighbourError = QStringLiteral("Error A4-Q");
const QString kTerminatesError = QStringLiteral("Error A4-R");
const QString kPassesOwnStationError = QStringLiteral("Error A4-S");
const QString kCancelError = QStringLiteral("Error A4-T");

void refill(QComboBox *list, const QStringList &items)
{
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(-1);
}

} // namespace

TA4::TA4(QWidget &mainWindow, ErrorGuard &guard, Prompts &prompts, DocumentLines &lines,
         const TrainSelection &selection)
    : DialogForm(mainWindow, guard, kCloseError, kShowError)
    , m_prompts(prompts)
    , m_lines(lines)
    , m_selection(selection)
    , m_c(createTrainDialogControls(*this))
{
    setObjectName(QStringLiteral("A4"));
    setWindowTitle(kAddTrainCaption);
    setClientSize(377, 369);
    connectHandlers();
}

void TA4::connectHandlers()
{
    const auto on = [this](auto *sender, auto signal, const QString &errorText, void (TA4::*handler)()) {
        connect(sender, signal, this,
                [this, errorText, handler] { guard().runHandler(errorText, [this, handler] { (this->*handler)(); }); });
    };
    // Only the user's choice of an arrival time copies it; the program's does not.
    on(m_c.arrival.arrivalHour, &QComboBox::activated, kArrivalHourError, &TA4::D4Change);
    on(m_c.arrival.arrivalMinute, &QComboBox::activated, kArrivalMinuteError, &TA4::D6Change);
    // The box rules run on every change, the program's included.
    on(m_c.arrival.ownStationEnd, &QCheckBox::toggled, kOriginatesError, &TA4::D7Click);
    on(m_c.arrival.passes, &QCheckBox::toggled, kPassesNeighbourError, &TA4::D8Click);
    on(m_c.departure.ownStationEnd, &QCheckBox::toggled, kTerminatesError, &TA4::F2Click);
    on(m_c.departure.passes, &QCheckBox::toggled, kPassesOwnStationError, &TA4::F3Click);
    on(m_c.F6, &QPushButton::clicked, kCancelError, &TA4::F6Click);
    on(m_c.F7, &QPushButton::clicked, kOkError, &TA4::F7Click);
}

void TA4::loadRecord(const QString &record)
{
    fillFromRecord(m_c, record, m_simulator, m_trackWithoutList);
}

void TA4::FormShow()
{
    m_c.F6->setFocus();
    m_simulator = simulatorIndex(m_lines.line(HeaderLine::Simulator));
    m_trackWithoutList = QString(kNoTrack);
    const QStringList stations = neighbourStations(m_simulator, m_lines.line(HeaderLine::SpecifiedNeighbour));
    refill(m_c.arrival.station, stations);
    refill(m_c.departure.station, stations);
    refill(m_c.E0, trackList(m_simulator));
    if (m_simulator == kSkalinIndex)
        greyList(*m_c.E0);
    else
        normalList(*m_c.E0);
}

void TA4::FormClose()
{
    m_c.B2->setCurrentIndex(trainTypes().indexOf(kResetType));
    m_c.B4->clear();
    for (QLineEdit *vehicle : m_c.vehicles)
        vehicle->clear();
    resetRun(m_c.arrival);
    m_c.E0->clear();
    resetRun(m_c.departure);
    m_rules.apply();
    DialogForm::FormClose();
}

void TA4::resetRun(const RunControls &run)
{
    run.station->clear();
    for (QComboBox *time : {run.departureHour, run.departureMinute, run.arrivalHour, run.arrivalMinute})
        time->setCurrentIndex(0);
    run.ownStationEnd->setChecked(false);
    run.passes->setChecked(false);
}

void TA4::D4Change()
{
    if (m_rules.passesOwnStation())
        m_rules.copyArrivalHour();
}

void TA4::D6Change()
{
    if (m_rules.passesOwnStation())
        m_rules.copyArrivalMinute();
}

void TA4::D7Click() { m_rules.apply(); }
void TA4::D8Click() { m_rules.apply(); }
void TA4::F2Click() { m_rules.apply(); }

void TA4::F3Click()
{
    if (m_rules.passesOwnStation()) {
        m_rules.copyArrivalHour();
        m_rules.copyArrivalMinute();
    }
    m_rules.apply();
}

void TA4::F6Click()
{
    close();
}

void TA4::F7Click()
{
    const std::optional<QString> trackWithoutList =
        m_simulator == kSkalinIndex ? std::optional<QString>(m_trackWithoutList) : std::nullopt;
    const EntryCheck check = checkEntries(m_c, trackWithoutList);
    if (!check.missing.isEmpty()) {
        m_prompts.inform(check.missing);
        return;
    }
    const auto stored = storeRecord(composeRecord(check.entry));
    if (!stored)
        return;
    close();
    emit trainStored(*stored);
}

// Edit mode replaces the line the selected train came from; add mode appends.
std::optional<int> TA4::storeRecord(const QString &record)
{
    if (windowTitle() != kEditTrainCaption) {
        m_lines.appendLine(record);
        return m_lines.lineCount();
    }
    const auto line = m_selection.selectedTrainLine();
    if (!line) {
        m_prompts.inform(kNoTrainToEdit);
        return std::nullopt;
    }
    m_lines.replaceLine(*line, record);
    return line;
}

} // namespace tgx
