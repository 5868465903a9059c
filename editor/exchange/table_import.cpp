#include "exchange/table_import.h"

#include "exchange/csv_text.h"
#include "exchange/row_reader.h"

#include <algorithm>

namespace tgx {

namespace {

const QString kNoColumnNames = QStringLiteral("V prvním řádku nejsou názvy sloupců tabulky vlaků");
const QString kRefusal = QStringLiteral("řádek %1, sloupec „%2“: %3");
const QString kMoreRefusals = QStringLiteral("a ještě %1 dalších");
constexpr int kListedRefusals = 20;

// Where each column stands in the table, by the names of its first row; the
// first of two columns of one name counts.
std::array<int, kColumnCount> columnPositions(const QStringList &names)
{
    std::array<int, kColumnCount> at;
    at.fill(-1);
    for (int column = 0; column < kColumnCount; ++column) {
        for (qsizetype i = 0; i < names.size() && at[column] < 0; ++i) {
            if (names[i].trimmed() == columnNames()[column])
                at[column] = int(i);
        }
    }
    return at;
}

bool isBlank(const QStringList &cells)
{
    return std::all_of(cells.begin(), cells.end(), [](const QString &cell) { return cell.trimmed().isEmpty(); });
}

} // namespace

TableImport importTrainTable(QByteArrayView bytes, const TimetableContext &context)
{
    const QString text = Csv::decode(bytes);
    const QList<QStringList> rows = Csv::parse(text, Csv::separatorOf(text));
    const auto at = columnPositions(rows.value(0));
    TableImport result;
    if (std::all_of(at.begin(), at.end(), [](int position) { return position < 0; })) {
        result.refusals.append({1, Column::Type, kNoColumnNames});
        return result;
    }
    const RowReader reader(context, at);
    result.records.reserve(rows.size());
    for (qsizetype i = 1; i < rows.size(); ++i) {
        if (isBlank(rows[i]))
            continue; // a spreadsheet's empty row
        if (auto record = reader.read(rows[i], int(i + 1), result.refusals))
            result.records << *record;
    }
    if (!result.refusals.isEmpty())
        result.records.clear(); // nothing is imported unless every row is
    return result;
}

QString refusalMessage(const QList<Refusal> &refusals)
{
    QStringList lines;
    for (qsizetype i = 0; i < refusals.size() && i < kListedRefusals; ++i) {
        const Refusal &refusal = refusals[i];
        lines << kRefusal.arg(refusal.row).arg(columnName(refusal.column), refusal.text);
    }
    if (refusals.size() > kListedRefusals)
        lines << kMoreRefusals.arg(refusals.size() - kListedRefusals);
    return lines.join(u'\n');
}

} // namespace tgx
