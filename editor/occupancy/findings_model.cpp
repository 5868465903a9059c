#include "occupancy/findings_model.h"

#include <algorithm>

namespace tgx {

namespace {
const QString kFindingRow = QStringLiteral("řádek %1: %2");
const QString kNoFindings = QStringLiteral("Grafikon je bez chyb.");
} // namespace

QString findingRow(const OccupancyPlan &plan, const Finding &finding)
{
    return kFindingRow.arg(QString::number(finding.line), findingText(plan, finding));
}

QString trainToolTip(const QString &summary, const OccupancyPlan &plan, int train)
{
    QStringList lines{summary.toHtmlEscaped()};
    for (const Finding &finding : findingsOfTrain(plan, train))
        lines << findingRow(plan, finding).toHtmlEscaped();
    return QStringLiteral("<p style=\"white-space:pre\">") + lines.join(QStringLiteral("<br>")) + QStringLiteral("</p>");
}

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

std::optional<int> FindingsModel::otherLineAt(int row) const
{
    const Finding *finding = lineAt(row) ? m_findings.ownFinding(row) : nullptr;
    if (!finding || finding->other < 0)
        return std::nullopt;
    return m_findings.plan().trains[finding->other].line;
}

bool FindingsModel::isUnreadableAt(int row) const
{
    const Finding *finding = lineAt(row) ? m_findings.ownFinding(row) : nullptr;
    return finding && finding->kind == FindingKind::Unreadable;
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
