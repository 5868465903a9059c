#include "occupancy/findings_model.h"

#include <algorithm>

namespace tgx {

namespace {
const QString kFindingRow = QStringLiteral("řádek %1: %2");
const QString kNoFindings = QStringLiteral("Grafikon je bez chyb.");
} // namespace

void FindingsModel::setPlan(OccupancyPlan plan)
{
    renew(plan.findings.size() + m_worded.size(), [&] {
        m_plan = std::move(plan);
        placeWordedFindings();
    });
}

void FindingsModel::setWordedFindings(QList<WordedFinding> findings)
{
    renew(m_plan.findings.size() + findings.size(), [&] {
        m_worded = std::move(findings);
        placeWordedFindings();
    });
}

void FindingsModel::renew(qsizetype findings, const std::function<void()> &change)
{
    const int before = rowCount();
    const int after = int(std::max<qsizetype>(1, findings));
    if (after > before) {
        beginInsertRows({}, before, after - 1);
        change();
        endInsertRows();
    } else if (after < before) {
        beginRemoveRows({}, after, before - 1);
        change();
        endRemoveRows();
    } else {
        change();
    }
    emit dataChanged(index(0), index(std::min(before, after) - 1), {Qt::DisplayRole});
}

// Worded finding k follows the plan's findings up to its line and the k worded ones before it.
void FindingsModel::placeWordedFindings()
{
    m_wordedRows.resize(m_worded.size());
    const QList<Finding> &findings = m_plan.findings;
    for (qsizetype k = 0; k < m_worded.size(); ++k) {
        const auto upTo = std::upper_bound(findings.cbegin(), findings.cend(), m_worded[k].line,
                                           [](int line, const Finding &finding) { return line < finding.line; });
        m_wordedRows[k] = int((upTo - findings.cbegin()) + k);
    }
}

const WordedFinding *FindingsModel::wordedAt(int row, int *planIndex) const
{
    const auto at = std::lower_bound(m_wordedRows.cbegin(), m_wordedRows.cend(), row);
    const int before = int(at - m_wordedRows.cbegin());
    if (at != m_wordedRows.cend() && *at == row)
        return &m_worded[before];
    *planIndex = row - before;
    return nullptr;
}

std::optional<int> FindingsModel::lineAt(int row) const
{
    if (row < 0 || row >= m_plan.findings.size() + m_worded.size())
        return std::nullopt;
    int planIndex = 0;
    const WordedFinding *worded = wordedAt(row, &planIndex);
    return worded ? worded->line : m_plan.findings[planIndex].line;
}

int FindingsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(std::max<qsizetype>(1, m_plan.findings.size() + m_worded.size()));
}

QVariant FindingsModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    if (m_plan.findings.isEmpty() && m_worded.isEmpty())
        return kNoFindings;
    int planIndex = 0;
    if (const WordedFinding *worded = wordedAt(index.row(), &planIndex))
        return kFindingRow.arg(QString::number(worded->line), worded->text);
    const Finding &finding = m_plan.findings[planIndex];
    return kFindingRow.arg(QString::number(finding.line), findingText(m_plan, finding));
}

} // namespace tgx
