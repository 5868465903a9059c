#include "line/document_findings.h"

namespace tgx {

DocumentFindings::DocumentFindings(OccupancyPlan plan, CrossTimetableFindings cross)
    : m_plan(std::move(plan))
    , m_cross(std::move(cross))
{
    if (m_cross.isEmpty())
        return;
    // Both lists are sorted by line: merge them, a line's own findings first.
    const QList<Finding> &own = m_plan.findings;
    const QList<CrossFinding> &against = m_cross.findings();
    m_order.reserve(own.size() + against.size());
    qsizetype o = 0;
    qsizetype a = 0;
    while (o < own.size() || a < against.size()) {
        if (a == against.size() || (o < own.size() && own[o].line <= against[a].line))
            m_order.append(qint32(o++));
        else
            m_order.append(~qint32(a++));
    }
}

qsizetype DocumentFindings::size() const
{
    return m_order.isEmpty() ? m_plan.findings.size() : m_order.size();
}

int DocumentFindings::line(qsizetype row) const
{
    if (m_order.isEmpty())
        return m_plan.findings[row].line;
    const qint32 at = m_order[row];
    return at >= 0 ? m_plan.findings[at].line : m_cross.findings()[~at].line;
}

QString DocumentFindings::text(qsizetype row) const
{
    if (const Finding *own = ownFinding(row))
        return findingText(m_plan, *own);
    return m_cross.text(m_cross.findings()[~m_order[row]]);
}

const Finding *DocumentFindings::ownFinding(qsizetype row) const
{
    const qsizetype at = m_order.isEmpty() ? row : m_order[row];
    return at >= 0 ? &m_plan.findings[at] : nullptr;
}

} // namespace tgx
