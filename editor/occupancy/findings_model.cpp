#include "occupancy/findings_model.h"

#include <algorithm>

namespace tgx {

namespace {
const QString kFindingRow = QStringLiteral("řádek %1: %2");
const QString kNoFindings = QStringLiteral("Grafikon je bez chyb.");
} // namespace

void FindingsModel::setFindings(DocumentFindings findings)
{
    const int before = rowCount();
    const int after = int(std::max<qsizetype>(1, findings.size()));
    if (after > before) {
        beginInsertRows({}, before, after - 1);
        m_findings = std::move(findings);
        endInsertRows();
    } else if (after < before) {
        beginRemoveRows({}, after, before - 1);
        m_findings = std::move(findings);
        endRemoveRows();
    } else {
        m_findings = std::move(findings);
    }
    emit dataChanged(index(0), index(std::min(before, after) - 1), {Qt::DisplayRole});
}

std::optional<int> FindingsModel::lineAt(int row) const
{
    if (row < 0 || row >= m_findings.size())
        return std::nullopt;
    return m_findings.line(row);
}

int FindingsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(std::max<qsizetype>(1, m_findings.size()));
}

QVariant FindingsModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    if (m_findings.isEmpty())
        return kNoFindings;
    return kFindingRow.arg(QString::number(m_findings.line(index.row())), m_findings.text(index.row()));
}

} // namespace tgx
