#include "occupancy/time_grid.h"

#include <algorithm>
#include <cmath>

namespace tgx {

std::pair<double, double> TimeGrid::barSpan(int first, int last) const
{
    const double left = x(first);
    const double right = x(last + 1);
    const double widening = (kMinBarWidth - (right - left)) / 2;
    if (widening <= 0)
        return {left, right};
    return {left - widening, right + widening};
}

std::pair<int, int> TimeGrid::barMinutesTouching(double left, double right) const
{
    // A bar reaches at most half the minimum width beyond its minutes.
    const double reach = kMinBarWidth / 2;
    const int lastAtLeast = int(std::floor(minuteAt(left - reach))) - 1;
    const int firstAtMost = int(std::ceil(minuteAt(right + reach)));
    return {lastAtLeast, firstAtMost};
}

TimeGrid TimeWindow::grid(double areaLeft, double areaWidth) const
{
    const double pixelsPerMinute = areaWidth / m_span;
    return TimeGrid(areaLeft - m_left * pixelsPerMinute, pixelsPerMinute);
}

void TimeWindow::zoom(double factor, double anchor)
{
    const double anchored = m_left + anchor * m_span;
    m_span = std::clamp(m_span / factor, m_narrowestSpan, kWidestSpan);
    scrollTo(anchored - anchor * m_span);
}

void TimeWindow::scrollTo(double left)
{
    m_left = std::clamp(left, 0.0, kWidestSpan - m_span);
}

void TimeWindow::bringIntoView(double first, double end, double margin, double areaWidth, double legibleWidth)
{
    const double legible = (end - first) * areaWidth / legibleWidth;
    const double span = std::clamp(std::max(std::min(m_span, std::max(legible, kNarrowestSpan)), end - first + 2 * margin),
                                   kNarrowestSpan, kWidestSpan);
    const bool zoomed = std::abs(span - m_span) > 1e-9;
    m_span = span;
    if (zoomed || first < m_left || end > m_left + m_span)
        scrollTo((first + end - m_span) / 2);
    else
        scrollTo(m_left);
}

} // namespace tgx
