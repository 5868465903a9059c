#include "printing/chart_pages.h"

#include "occupancy/chart_legend.h"
#include "occupancy/chart_painter.h"
#include "occupancy/document_analysis.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tgx {

namespace {

// The chart is drawn in its own pixels at this size on paper, so that its
// bars, labels and legend keep the proportions they have on screen.
constexpr double kMillimetresPerPixel = 0.25;
// A minute is this wide at least, so that a two-minute stop stands apart
// from the trains before and after it.
constexpr double kMinuteMillimetres = 1.0;
constexpr int kFontPixels = 11;

QFont pageFont()
{
    QFont font = withoutLigatures(QFont());
    font.setPixelSize(kFontPixels);
    return font;
}

} // namespace

ChartPages::ChartPages(const QStringList &documentLines)
{
    m_content.setPlan(planDocument(documentLines));
}

int ChartPages::layOut(QPainter &painter, const QRectF &body)
{
    m_scale = kMillimetresPerPixel * pixelsPerMillimetre(painter);
    const double timeWidth = body.width() / m_scale - ChartLayout::kTrackColumnWidth;
    m_day = splitDay(timeWidth, kMinuteMillimetres / kMillimetresPerPixel);
    // Every page keeps the room its narrowest page's legend needs, so that a group of rows fits each.
    const QFontMetrics metrics(pageFont());
    m_legendHeight = 0;
    for (int hourPage = 0; hourPage < m_day.pages(); ++hourPage)
        m_legendHeight = std::max(m_legendHeight, legendHeight(pageWidth(hourPage), metrics));
    const double rowsHeight = body.height() / m_scale - ChartLayout::kHeaderHeight - m_legendHeight;
    m_groups = rowGroups(m_content.rowOffsets(), rowsHeight);
    return m_day.pages() * std::max(1, int(m_groups.size()) - 1);
}

int ChartPages::pageWidth(int hourPage) const
{
    return ChartLayout::kTrackColumnWidth + int(std::ceil(m_day.minutes(hourPage) * m_day.minuteWidth));
}

// The hours of hourPage and the rows of group, in the chart's pixels.
ChartFrame ChartPages::pageFrame(int hourPage, int group) const
{
    const QList<int> &offsets = m_content.rowOffsets();
    const int top = offsets[m_groups[group]];
    const int bottom = offsets[m_groups.value(group + 1, m_groups[group])];
    const double minuteWidth = m_day.minuteWidth;
    const TimeGrid grid(ChartLayout::kTrackColumnWidth - m_day.firstMinute(hourPage) * minuteWidth, minuteWidth);
    const QSize size(pageWidth(hourPage), ChartLayout::kHeaderHeight + bottom - top + m_legendHeight);
    return {size, grid, top, offsets, m_legendHeight};
}

void ChartPages::paintPage(QPainter &painter, int page, const QRectF &body) const
{
    const int hourPages = m_day.pages();
    const QFont font = pageFont();
    painter.save();
    painter.translate(body.topLeft());
    painter.scale(m_scale, m_scale);
    paintChart(painter, m_content, pageFrame(page % hourPages, page / hourPages), font);
    painter.restore();
}

} // namespace tgx
