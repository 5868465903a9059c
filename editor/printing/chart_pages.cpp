#include "printing/chart_pages.h"

#include "occupancy/chart_painter.h"
#include "occupancy/document_analysis.h"

#include <QFont>
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
    const double rowsHeight = body.height() / m_scale - ChartLayout::kHeaderHeight - ChartLayout::kLegendHeight;
    m_groups = rowGroups(m_content.rowOffsets(), rowsHeight);
    return m_day.pages() * std::max(1, int(m_groups.size()) - 1);
}

// The hours of hourPage and the rows of group, in the chart's pixels.
ChartFrame ChartPages::pageFrame(int hourPage, int group) const
{
    const QList<int> &offsets = m_content.rowOffsets();
    const int top = offsets[m_groups[group]];
    const int bottom = offsets[m_groups.value(group + 1, m_groups[group])];
    const double minuteWidth = m_day.minuteWidth;
    const TimeGrid grid(ChartLayout::kTrackColumnWidth - m_day.firstMinute(hourPage) * minuteWidth, minuteWidth);
    const QSize size(ChartLayout::kTrackColumnWidth + int(std::ceil(m_day.minutes(hourPage) * minuteWidth)),
                     ChartLayout::kHeaderHeight + bottom - top + ChartLayout::kLegendHeight);
    return {size, grid, top, offsets};
}

void ChartPages::paintPage(QPainter &painter, int page, const QRectF &body) const
{
    const int hourPages = m_day.pages();
    QFont font = withoutLigatures(QFont());
    font.setPixelSize(kFontPixels);
    painter.save();
    painter.translate(body.topLeft());
    painter.scale(m_scale, m_scale);
    paintChart(painter, m_content, pageFrame(page % hourPages, page / hourPages), font);
    painter.restore();
}

} // namespace tgx
