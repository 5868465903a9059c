#include "exchange/table_export.h"

#include "document/header_lines.h"
#include "exchange/cell_values.h"
#include "exchange/csv_text.h"
#include "exchange/table_columns.h"
#include "trains/decoded_record.h"
#include "trains/station_table.h"
#include "trains/timetable_context.h"
#include "trains/train_types.h"

namespace tgx {

namespace {

// Writes the rows of one timetable: its station names are looked up once.
class RowWriter {
public:
    explicit RowWriter(const TimetableContext &context)
        : m_stations(neighbourStations(context.simulator, context.specifiedNeighbour.toString()))
    {
    }

    QStringList row(const DecodedRecord &record) const
    {
        QStringList cells(kColumnCount);
        cells[int(Column::Type)] = shownType(record.typeIndex(), record.type.text()).toString();
        cells[int(Column::Number)] =
            record.number.isNumber() ? QString::number(record.number.value()) : record.number.text().toString();
        writeRun(cells, record.arrival, Column::FromStation, kOriginates);
        cells[int(Column::Track)] = record.track.text().toString();
        cells[int(Column::PassesNeighbour)] = record.passesNeighbour() ? kYes : QString();
        cells[int(Column::PassesOwnStation)] = record.passesOwnStation() ? kYes : QString();
        writeRun(cells, record.departure, Column::ToStation, kTerminates);
        for (int i = 0; i < kVehicleCount; ++i)
            cells[int(Column::Vehicle1) + i] = vehicleCell(record.vehicle(i).text());
        cells[int(Column::Note)] = record.note().toString();
        return cells;
    }

private:
    // The station's column and the two times' columns that follow it.
    void writeRun(QStringList &cells, const DecodedRun &run, Column station, const QString &ownStation) const
    {
        const int at = int(station);
        if (run.startsOrEndsHere()) {
            cells[at] = ownStation;
            return;
        }
        const int code = run.code.isNumber() ? run.code.value() : 0;
        cells[at] = code >= 1 && code <= m_stations.size() ? m_stations[code - 1] : run.code.text().toString();
        cells[at + 1] = timeCell(run.departureHour, run.departureMinute, run.departureTime());
        cells[at + 2] = timeCell(run.arrivalHour, run.arrivalMinute, run.arrivalTime());
    }

    static QString timeCell(const FieldValue &hour, const FieldValue &minute, std::optional<int> time)
    {
        if (time)
            return clockText(*time);
        QString stored = hour.text().toString();
        stored += u':';
        stored += minute.text();
        return stored;
    }

    QStringList m_stations;
};

} // namespace

QList<QStringList> trainTableRows(const QStringList &documentLines)
{
    const RowWriter writer(timetableContextOf(documentLines));
    QList<QStringList> rows{columnNames()};
    for (qsizetype i = HeaderLine::FirstTrain - 1; i < documentLines.size(); ++i) {
        if (!documentLines[i].isEmpty())
            rows << writer.row(DecodedRecord(documentLines[i]));
    }
    return rows;
}

QByteArray exportTrainTable(const QStringList &documentLines)
{
    return Csv::write(trainTableRows(documentLines));
}

} // namespace tgx
