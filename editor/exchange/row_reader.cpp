#include "exchange/row_reader.h"

#include "document/code_page.h"
#include "document/simulator_catalogue.h"
#include "exchange/cell_values.h"
#include "trains/station_table.h"
#include "trains/timetable_context.h"
#include "trains/train_types.h"

namespace tgx {

namespace {

const QString kUnknownType = QStringLiteral("Neznámá druhová zkratka „%1“");
const QString kBadNumber = QStringLiteral("Číslo vlaku musí mít 1 až 5 číslic, ne „%1“");
const QString kUnknownStation = QStringLiteral("Stanice „%1“ není v seznamu stanic simulátoru");
const QString kBadTime = QStringLiteral("Čas „%1“ nelze přečíst");
const QString kUnknownTrack = QStringLiteral("Kolej „%1“ není v seznamu kolejí simulátoru");
const QString kBadYes = QStringLiteral("Buňka má být „ano“ nebo prázdná, ne „%1“");
const QString kBadVehicle = QStringLiteral("Číslo vozu musí mít 1 až 3 číslice, ne „%1“");
const QString kUnencodable = QStringLiteral("Znak „%1“ nelze uložit v kódování windows-1250");
const QString kOriginatingPasses = QStringLiteral("Výchozí vlak nemůže mít průjezd");
const QString kBothEnds = QStringLiteral("Vlak nemůže být výchozí i končící");
const QString kTerminatingPasses = QStringLiteral("Končící vlak nemůže projíždět stanicí");
const QString kPassingDeparture = QStringLiteral("Projíždějící vlak odjíždí v čase příjezdu");

// The table's column that the dialog's check of an entry is about.
Column columnOf(EntryPart part)
{
    switch (part) {
    case EntryPart::Type: return Column::Type;
    case EntryPart::Number: return Column::Number;
    case EntryPart::FromStation: return Column::FromStation;
    case EntryPart::FromDeparture: return Column::FromDeparture;
    case EntryPart::FromArrival: return Column::FromArrival;
    case EntryPart::Track: return Column::Track;
    case EntryPart::ToStation: return Column::ToStation;
    case EntryPart::ToDeparture: return Column::ToDeparture;
    case EntryPart::ToArrival: return Column::ToArrival;
    case EntryPart::Composition: break;
    }
    return Column::Vehicle1;
}

} // namespace

// One row being read and what was refused in it.
struct RowReader::Row {
    const RowReader &reader;
    const QStringList &cells;
    int number;
    QList<Refusal> refusals;

    // The cell as the spreadsheet holds it; empty for a column the table lacks.
    QString raw(Column column) const
    {
        const int at = reader.m_columnAt[int(column)];
        return at >= 0 && at < cells.size() ? cells[at] : QString();
    }
    // Blanks around a value are a spreadsheet's, not the train's.
    QString value(Column column) const { return raw(column).trimmed(); }
    void refuse(Column column, const QString &text) { refusals.append({number, column, text}); }

    std::optional<int> time(Column column)
    {
        const QString cell = value(column);
        if (cell.isEmpty())
            return std::nullopt;
        const auto minutes = readTimeCell(cell);
        if (!minutes)
            refuse(column, kBadTime.arg(cell));
        return minutes;
    }
    bool yes(Column column)
    {
        const QString cell = value(column);
        const bool yes = cell.compare(kYes, Qt::CaseInsensitive) == 0;
        if (!yes && !cell.isEmpty())
            refuse(column, kBadYes.arg(cell));
        return yes;
    }
};

RowReader::RowReader(const TimetableContext &context, const std::array<int, kColumnCount> &columnAt)
    : m_simulator(context.simulator)
    , m_specifiedNeighbour(context.specifiedNeighbour.toString())
    , m_tracks(trackList(context.simulator))
    , m_columnAt(columnAt)
{
}

std::optional<QString> RowReader::read(const QStringList &cells, int number, QList<Refusal> &refusals) const
{
    Row row{*this, cells, number, {}};
    EntryChoices choices = choicesOf(row);
    refuseBoxes(row, choices);
    passOwnStation(row, choices);
    if (row.refusals.isEmpty()) {
        const EntryCheck check = checkEntryChoices(choices);
        if (check.missing.isEmpty())
            return composeRecord(check.entry);
        row.refuse(columnOf(check.part), check.missing);
    }
    refusals += row.refusals;
    return std::nullopt;
}

EntryChoices RowReader::choicesOf(Row &row) const
{
    EntryChoices choices;
    if (const QString type = row.value(Column::Type); !type.isEmpty()) {
        if (const int index = trainTypes().indexOf(type); index >= 0)
            choices.typeIndex = index;
        else
            row.refuse(Column::Type, kUnknownType.arg(type));
    }
    choices.number = row.value(Column::Number);
    if (!choices.number.isEmpty() && !isTrainNumber(choices.number))
        row.refuse(Column::Number, kBadNumber.arg(choices.number));
    readRun(row, Column::FromStation, kOriginates, choices.arrival);
    choices.track = track(row);
    choices.passesNeighbour = row.yes(Column::PassesNeighbour);
    choices.passesOwnStation = row.yes(Column::PassesOwnStation);
    readRun(row, Column::ToStation, kTerminates, choices.departure);
    for (int i = 0; i < kVehicleCount; ++i) {
        const Column column = Column(int(Column::Vehicle1) + i);
        const auto vehicle = readVehicleCell(row.value(column));
        if (!vehicle)
            row.refuse(column, kBadVehicle.arg(row.value(column)));
        choices.vehicles[i] = vehicle.value_or(QString());
    }
    choices.note = row.raw(Column::Note);
    if (const qsizetype at = CodePage1250::firstUnencodable(choices.note); at >= 0)
        row.refuse(Column::Note, kUnencodable.arg(choices.note[at]));
    return choices;
}

// The station's column and the two times' columns that follow it. The times
// of a train that starts or ends here are not read, as the dialog ignores them.
void RowReader::readRun(Row &row, Column station, const QString &ownStation, RunChoices &run) const
{
    const QString name = row.value(station);
    run.ownStationEnd = name == ownStation;
    // An empty cell names the specified neighbour while header line 7, which
    // the dialog lists for it, is empty too; otherwise nothing is chosen.
    const std::optional<int> code = neighbourCode(m_simulator, name, m_specifiedNeighbour);
    if (run.ownStationEnd || (name.isEmpty() && !code))
        return;
    run.station = code;
    if (!run.station)
        row.refuse(station, kUnknownStation.arg(name));
    const auto setTime = [](std::optional<int> minutes, std::optional<int> &hour, std::optional<int> &minute) {
        if (minutes) {
            hour = *minutes / 60;
            minute = *minutes % 60;
        }
    };
    setTime(row.time(Column(int(station) + 1)), run.departureHour, run.departureMinute);
    setTime(row.time(Column(int(station) + 2)), run.arrivalHour, run.arrivalMinute);
}

// A simulator without a track list writes the no-track character, or the
// character the table keeps, as editing a record of it keeps its own.
std::optional<QString> RowReader::track(Row &row) const
{
    const QString cell = row.value(Column::Track);
    if (m_simulator == kSkalinIndex && cell.size() <= 1)
        return cell.isEmpty() ? QString(kNoTrack) : cell;
    if (cell.isEmpty())
        return std::nullopt;
    if (!m_tracks.contains(cell))
        row.refuse(Column::Track, kUnknownTrack.arg(cell));
    return cell;
}

// The dialog's boxes exclude one another; a table can say anything.
void RowReader::refuseBoxes(Row &row, const EntryChoices &c) const
{
    if (c.arrival.ownStationEnd && c.passesNeighbour)
        row.refuse(Column::PassesNeighbour, kOriginatingPasses);
    if (c.arrival.ownStationEnd && c.passesOwnStation)
        row.refuse(Column::PassesOwnStation, kOriginatingPasses);
    if (c.arrival.ownStationEnd && c.departure.ownStationEnd)
        row.refuse(Column::ToStation, kBothEnds);
    if (c.departure.ownStationEnd && c.passesOwnStation)
        row.refuse(Column::PassesOwnStation, kTerminatingPasses);
}

// A train passing the own station departs at its arrival time: the dialog
// copies it, and so does an empty departure cell; another time is refused.
void RowReader::passOwnStation(Row &row, EntryChoices &c) const
{
    if (!c.passesOwnStation || c.departure.ownStationEnd || c.arrival.ownStationEnd)
        return;
    RunChoices &departure = c.departure;
    const bool empty = row.value(Column::ToDeparture).isEmpty();
    if (empty && c.arrival.arrivalHour) {
        departure.departureHour = c.arrival.arrivalHour;
        departure.departureMinute = c.arrival.arrivalMinute;
    } else if (!empty && departure.departureHour && c.arrival.arrivalHour
               && (departure.departureHour != c.arrival.arrivalHour
                   || departure.departureMinute != c.arrival.arrivalMinute)) {
        row.refuse(Column::ToDeparture, kPassingDeparture);
    }
}

} // namespace tgx
