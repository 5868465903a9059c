#pragma once

#include "printing/day_split.h"
#include "printing/sheet_pages.h"

namespace tgx {

struct GraphFrame;

// The line's train graph over pages, split by hours as the track chart is;
// the stations fill the page's height, shrunk to it when they are many.
class GraphPages : public SheetPages {
public:
    explicit GraphPages(const GraphContent *content) : m_content(content) {}

    int layOut(QPainter &painter, const QRectF &body) override;
    void paintPage(QPainter &painter, int page, const QRectF &body) const override;

private:
    GraphFrame pageFrame(int page) const;

    const GraphContent *m_content;
    DaySplit m_day;
    double m_scale = 1;  // device pixels per pixel of the graph
    double m_yScale = 1; // the graph's own stretch of its rows
};

} // namespace tgx
