#include "occupancy/findings_pane.h"

#include "occupancy/findings_model.h"

#include <QListView>

namespace tgx {

namespace {
const QString kTitle = QStringLiteral("Kontrola grafikonu");
} // namespace

FindingsPane::FindingsPane(QWidget *parent)
    : QDockWidget(kTitle, parent)
    , m_findings(new FindingsModel(this))
    , m_H2(new QListView(this))
{
    setObjectName(QStringLiteral("H1"));
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    setAllowedAreas(Qt::BottomDockWidgetArea);
    m_H2->setObjectName(QStringLiteral("H2"));
    m_H2->setModel(m_findings);
    m_H2->setUniformItemSizes(true); // only one row is measured, however many there are
    m_H2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_H2->setSelectionMode(QAbstractItemView::SingleSelection);
    setWidget(m_H2);
    connect(m_H2, &QListView::activated, this, [this](const QModelIndex &index) {
        const int row = index.row();
        if (const auto line = m_findings->lineAt(row))
            emit findingActivated(*line, m_findings->otherLineAt(row).value_or(0), m_findings->isUnreadableAt(row));
    });
}

void FindingsPane::setPlan(OccupancyPlan plan)
{
    m_findings->setFindings(DocumentFindings(std::move(plan), CrossTimetableFindings()));
}

void FindingsPane::setFindings(DocumentFindings findings)
{
    m_findings->setFindings(std::move(findings));
}

void FindingsPane::setCrossFindings(CrossTimetableFindings cross)
{
    m_findings->setFindings(DocumentFindings(m_findings->findings().plan(), std::move(cross)));
}

} // namespace tgx
