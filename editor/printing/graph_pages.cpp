#include "printing/graph_pages.h"

#include "linegraph/graph_content.h"
#include "linegraph/graph_frame.h"
#include "linegraph/graph_painter.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tgx {

namespace {

constexpr double kMillimetresPerPixel = 0.25;
constexpr double kMinuteMillimetres = 1.0;
constexpr int kFontPixels = 11;

} // namespace

int GraphPages::layOut(QPainter &painter, const QRectF &body)
{
    if (!m_content)
        return 1;
    m_scale = kMillimetresPerPixel * pixelsPerMillimetre(painter);
    const double height = m_content->graph().height();
    const int rowsHeight = int(body.height() / m_scale) - GraphLayout::kHeaderHeight;
    m_yScale = graphYScale(height, rowsHeight);
    // A line of many stations is shrunk as a whole to the page's height.
    const double needed = GraphLayout::kHeaderHeight + graphContentHeight(height, m_yScale);
    m_scale = std::min(m_scale, body.height() / needed);
    const double timeWidth = body.width() / m_scale - GraphLayout::kNameColumnWidth;
    m_day = splitDay(timeWidth, kMinuteMillimetres * pixelsPerMillimetre(painter) / m_scale);
    return m_day.pages();
}

GraphFrame GraphPages::pageFrame(int page) const
{
    const double minuteWidth = m_day.minuteWidth;
    const TimeGrid grid(GraphLayout::kNameColumnWidth - m_day.firstMinute(page) * minuteWidth, minuteWidth);
    const QSize size(GraphLayout::kNameColumnWidth + int(std::ceil(m_day.minutes(page) * minuteWidth)),
                     GraphLayout::kHeaderHeight + graphContentHeight(m_content->graph().height(), m_yScale));
    return {size, grid, m_yScale, 0};
}

void GraphPages::paintPage(QPainter &painter, int page, const QRectF &body) const
{
    if (!m_content)
        return;
    QFont font = withoutLigatures(QFont());
    font.setPixelSize(kFontPixels);
    painter.save();
    painter.translate(body.topLeft());
    painter.scale(m_scale, m_scale);
    paintLineGraph(painter, *m_content, pageFrame(page), font);
    painter.restore();
}

} // namespace tgx
