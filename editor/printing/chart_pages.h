#pragma once

#include "occupancy/chart_content.h"
#include "occupancy/chart_frame.h"
#include "printing/day_split.h"
#include "printing/sheet_pages.h"

namespace tgx {

// The track occupancy chart over pages: split by hours so that a two-minute
// stop stays legible and, when the tracks do not fit one page, by rows;
// each page with its hour labels, track names and legend.
class ChartPages : public SheetPages {
public:
    explicit ChartPages(const QStringList &documentLines);

    int layOut(QPainter &painter, const QRectF &body) override;
    void paintPage(QPainter &painter, int page, const QRectF &body) const override;

private:
    ChartFrame pageFrame(int hourPage, int group) const;

    ChartContent m_content;
    DaySplit m_day;
    QList<int> m_groups; // rowGroups of the chart's rows
    double m_scale = 1;  // device pixels per pixel of the chart
};

} // namespace tgx
