#include "trains/train_dialog_controls.h"

#include "document/dialog_form.h"
#include "document/named_widget.h"
#include "trains/train_types.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace tgx {

namespace {

// Captions of the form, in the order of its groups.
const QString kGeneral = QStringLiteral("Obecné");
const QString kType = QStringLiteral("Druhová zkratka");
const QString kNumber = QStringLiteral("Číslo vlaku");
const QString kComposition = QStringLiteral("Vlakotvorba");
const QString kArrivalGroup = QStringLiteral("Příjezd");
const QString kFromStation = QStringLiteral("Ze stanice");
const QString kDepartureTime = QStringLiteral("Odjezd");
const QString kArrivalTime = QStringLiteral("Příjezd");
const QString kColon = QStringLiteral(":");
const QString kOriginates = QStringLiteral("Výchozí");
const QString kPasses = QStringLiteral("Průjezd");
const QString kTrack = QStringLiteral("Pravidelná kolej");
const QString kDepartureGroup = QStringLiteral("Odjezd");
const QString kToStation = QStringLiteral("Do stanice");
const QString kTerminates = QStringLiteral("Končící");
const QString kNote = QStringLiteral("Poznámka");
const QString kCancel = QStringLiteral("Storno");
const QString kConfirm = QStringLiteral("OK");

constexpr int kNumberLength = 5;  // digits of a train number
constexpr int kVehicleLength = 3; // digits of a vehicle number

// Vertical places of the rows inside a group.
constexpr int kRow1 = 18;
constexpr int kRow2 = 50;
constexpr int kRow3 = 82;

template <typename Control>
Control *place(QWidget *parent, const char *name, QRect geometry)
{
    auto *control = namedWidget<Control>(name, parent);
    control->setGeometry(geometry);
    return control;
}

template <typename Control>
Control *captioned(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    auto *control = place<Control>(parent, name, geometry);
    control->setText(caption);
    return control;
}

QGroupBox *group(QDialog &form, const char *name, const QString &title, int top, int height)
{
    auto *box = place<QGroupBox>(&form, name, QRect(8, top, 361, height));
    box->setTitle(title);
    return box;
}

QLabel *label(QWidget *parent, const char *name, const QString &caption, int left, int top, int width)
{
    QLabel *label = plainLabel(name, caption, parent);
    label->setGeometry(QRect(left, top + 4, width, 13));
    return label;
}

QComboBox *list(QWidget *parent, const char *name, const QStringList &items, int left, int top, int width)
{
    auto *box = place<QComboBox>(parent, name, QRect(left, top, width, 21));
    box->addItems(items);
    box->setCurrentIndex(-1);
    return box;
}

QLineEdit *digitsEdit(QWidget *parent, const char *name, int length, QRect geometry)
{
    auto *edit = place<QLineEdit>(parent, name, geometry);
    edit->setMaxLength(length);
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(length)), edit));
    return edit;
}

QStringList hours()
{
    QStringList items;
    for (int hour = 0; hour < 24; ++hour)
        items << QString::number(hour);
    return items;
}

QStringList minutes()
{
    QStringList items;
    for (int minute = 0; minute < 60; ++minute)
        items << QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0'));
    return items;
}

// Names of one run group's controls, in the order of RunControls.
struct RunNames {
    const char *group, *stationLabel, *station, *departureLabel, *departureHour, *departureColon,
        *departureMinute, *arrivalLabel, *arrivalHour, *arrivalColon, *arrivalMinute, *ownStationEnd, *passes;
};

// The station row, the time row ending with the own-station box, and the
// "Průjezd" box that opens the third row.
RunControls createRun(QDialog &form, const RunNames &n, const QString &title, int top,
                      const QString &stationCaption, const QString &ownStationCaption)
{
    RunControls run;
    run.group = group(form, n.group, title, top, 113);
    QWidget *g = run.group;
    run.stationLabel = label(g, n.stationLabel, stationCaption, 8, kRow1, 62);
    run.station = list(g, n.station, {}, 72, kRow1, 160);
    run.departureLabel = label(g, n.departureLabel, kDepartureTime, 8, kRow2, 38);
    run.departureHour = list(g, n.departureHour, hours(), 48, kRow2, 40);
    run.departureColon = label(g, n.departureColon, kColon, 90, kRow2, 6);
    run.departureMinute = list(g, n.departureMinute, minutes(), 98, kRow2, 40);
    run.arrivalLabel = label(g, n.arrivalLabel, kArrivalTime, 146, kRow2, 38);
    run.arrivalHour = list(g, n.arrivalHour, hours(), 186, kRow2, 40);
    run.arrivalColon = label(g, n.arrivalColon, kColon, 228, kRow2, 6);
    run.arrivalMinute = list(g, n.arrivalMinute, minutes(), 236, kRow2, 40);
    run.ownStationEnd = captioned<QCheckBox>(g, n.ownStationEnd, ownStationCaption, QRect(284, kRow2 + 2, 72, 17));
    run.passes = captioned<QCheckBox>(g, n.passes, kPasses, QRect(8, kRow3 + 2, 80, 17));
    return run;
}

void createGeneral(QDialog &form, TrainDialogControls &c)
{
    QGroupBox *B0 = group(form, "B0", kGeneral, 8, 81);
    label(B0, "B1", kType, 8, kRow1, 92);
    c.B2 = list(B0, "B2", trainTypes(), 102, kRow1, 62);
    label(B0, "B3", kNumber, 180, kRow1, 66);
    c.B4 = digitsEdit(B0, "B4", kNumberLength, QRect(250, kRow1, 60, 21));
    label(B0, "B5", kComposition, 8, kRow2 - 2, 74);
    static const char *const names[kVehicleCount] = {"B6", "B7", "B8", "B9", "C0", "C1", "C2", "C3", "C4", "C5"};
    for (int i = 0; i < kVehicleCount; ++i)
        c.vehicles[i] = digitsEdit(B0, names[i], kVehicleLength, QRect(84 + 27 * i, kRow2 - 2, 25, 21));
}

void setTabOrder(const TrainDialogControls &c)
{
    QList<QWidget *> chain{c.B2, c.B4};
    chain.append(QList<QWidget *>(c.vehicles.begin(), c.vehicles.end()));
    for (const RunControls *run : {&c.arrival, &c.departure}) {
        for (QComboBox *box : run->lists())
            chain << box;
        chain << run->ownStationEnd << run->passes << (run == &c.arrival ? static_cast<QWidget *>(c.E0) : c.F5);
    }
    chain << c.F6 << c.F7;
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

} // namespace

std::array<QLabel *, 5> RunControls::labels() const
{
    return {stationLabel, departureLabel, departureColon, arrivalLabel, arrivalColon};
}

std::array<QComboBox *, 5> RunControls::lists() const
{
    return {station, departureHour, departureMinute, arrivalHour, arrivalMinute};
}

TrainDialogControls createTrainDialogControls(QDialog &form)
{
    TrainDialogControls c;
    createGeneral(form, c);
    c.arrival = createRun(form, {"C6", "C7", "C8", "C9", "D0", "D1", "D2", "D3", "D4", "D5", "D6", "D7", "D8"},
                          kArrivalGroup, 96, kFromStation, kOriginates);
    label(c.arrival.group, "D9", kTrack, 112, kRow3, 94);
    c.E0 = list(c.arrival.group, "E0", {}, 208, kRow3, 50);
    c.departure = createRun(form, {"E1", "E2", "E3", "E4", "E5", "E6", "E7", "E8", "E9", "F0", "F1", "F2", "F3"},
                            kDepartureGroup, 216, kToStation, kTerminates);
    label(c.departure.group, "F4", kNote, 112, kRow3, 62);
    c.F5 = place<QLineEdit>(c.departure.group, "F5", QRect(176, kRow3, 177, 21));
    holdAnyLength(*c.F5);
    c.F6 = captioned<QPushButton>(&form, "F6", kCancel, QRect(200, 336, 81, 25));
    c.F7 = captioned<QPushButton>(&form, "F7", kConfirm, QRect(288, 336, 81, 25));
    c.F7->setDefault(true);
    setTabOrder(c);
    return c;
}

} // namespace tgx
