#include "occupancy/chart_bars.h"

#include "occupancy/chart_content.h"
#include "occupancy/chart_frame.h"

#include <QPainter>

#include <algorithm>
#include <limits>

namespace tgx {

namespace {

const QColor kText(0, 0, 0);
const QColor kSelectedHalo(255, 186, 0);

constexpr int kLabelPadding = 3; // inside a bar
constexpr int kHalo = 3;         // the selected train's halo around its bars
constexpr int kBesideGap = kHalo + 2; // between a bar and a label beside it
constexpr double kNowhere = std::numeric_limits<double>::infinity();

Outline outlineOf(const PlannedTrain &train, bool selected)
{
    if (train.inConflict)
        return train.possibleConflictOnly ? Outline::PossibleCollision : Outline::Collision;
    return selected ? Outline::Selected : Outline::Plain;
}

} // namespace

BarPainting::BarPainting(QPainter &painter, const ChartContent &content, const ChartFrame &frame,
                         const QFontMetrics &metrics, const QRect &area)
    : m_p(painter), m_content(content), m_frame(frame), m_metrics(metrics), m_area(area)
    , m_colours{BarColours(TrainCategory::Passenger), BarColours(TrainCategory::Freight),
                BarColours(TrainCategory::Locomotive), BarColours(TrainCategory::Other)}
    , m_minLabelWidth(m_metrics.averageCharWidth() + 2 * kLabelPadding)
{
}

void BarPainting::paintRow(int row)
{
    const auto [begin, end] = m_content.barsBetween(row, m_area.left(), m_area.right() + 1, m_frame.grid);
    const TrackRow &track = m_content.plan().rows[row];
    const auto shown = [&](qsizetype i) {
        const QRectF rect = m_frame.barRect(row, track.bars[i]);
        return rect.bottom() >= m_area.top() && rect.top() <= m_area.bottom() + 1;
    };
    std::vector<QRectF> rects(end - begin);
    for (qsizetype i = begin; i < end; ++i) {
        rects[i - begin] = m_frame.barRect(row, track.bars[i]);
        if (shown(i))
            paintBar(track.bars[i], rects[i - begin]);
    }
    // The left of the next bar in each bar's lane, found from the right.
    std::vector<double> nextLeft(rects.size());
    std::vector<double> laneNext(track.lanes, kNowhere);
    for (std::size_t i = rects.size(); i-- > 0;) {
        double &next = laneNext[track.bars[begin + i].lane];
        nextLeft[i] = next;
        next = rects[i].left();
    }
    std::vector<double> takenUntil(track.lanes, -kNowhere);
    for (qsizetype i = begin; i < end; ++i) {
        const OccupancyBar &bar = track.bars[i];
        if (shown(i))
            takenUntil[bar.lane] = paintLabel(bar, rects[i - begin], takenUntil[bar.lane], nextLeft[i - begin]);
    }
}

void BarPainting::paintBar(const OccupancyBar &bar, const QRectF &rect)
{
    const PlannedTrain &train = m_content.plan().trains[bar.train];
    const bool selected = m_content.isSelected(bar);
    if (selected && m_content.dragShift() != 0) {
        // Where the dragged train stood before the drag.
        m_p.setBrush(Qt::NoBrush);
        m_p.setPen(QPen(kText, 1, Qt::DashLine));
        m_p.drawRect(rect.adjusted(0, 0, -1, -1));
        return;
    }
    paintBody(bar, rect, outlineOf(train, selected));
}

void BarPainting::paintMoved(const OccupancyBar &bar, const QRectF &rect)
{
    paintBody(bar, rect, Outline::Selected);
}

void BarPainting::paintBody(const OccupancyBar &bar, const QRectF &rect, Outline outline)
{
    const PlannedTrain &train = m_content.plan().trains[bar.train];
    const bool selected = outline == Outline::Selected || m_content.isSelected(bar);
    if (selected)
        m_p.fillRect(rect.adjusted(-kHalo, -kHalo, kHalo, kHalo), kSelectedHalo);
    const BarColours &colours = m_colours[int(train.category)];
    m_p.fillRect(rect, colours.fill);
    if (bar.estimatedFirst <= bar.estimatedLast) {
        const double left = std::max(rect.left(), m_frame.grid.x(bar.estimatedFirst));
        const double right = std::min(rect.right(), m_frame.grid.x(bar.estimatedLast + 1));
        if (right > left)
            paintEstimated(m_p, QRectF(QPointF(left, rect.top()), QPointF(right, rect.bottom())), colours);
    }
    paintOutline(m_p, rect, colours, outline);
}

double BarPainting::paintLabel(const OccupancyBar &bar, const QRectF &rect, double takenUntil, double nextLeft)
{
    const QRectF visible = rect.intersected(m_area);
    const double baseline = rect.center().y() + (m_metrics.ascent() - m_metrics.descent()) / 2.0;
    // Beside the bar: right of it up to the next bar, or left of it after
    // whatever the lane shows before; never beside a bar that starts within another.
    // A label is never cut off at the right end of the view.
    const double rightRoom = std::min(nextLeft, m_area.right() + 1.0 + kBesideGap) - rect.right() - 2 * kBesideGap;
    const double leftRoom = rect.left() - std::max<double>(takenUntil, m_area.left()) - 2 * kBesideGap;
    const bool clear = rect.left() >= takenUntil;
    if (visible.width() < m_minLabelWidth && (!clear || std::max(rightRoom, leftRoom) < m_minLabelWidth))
        return std::max(takenUntil, rect.right());
    const PlannedTrain &train = m_content.plan().trains[bar.train];
    const QString label = trainLabel(train);
    const int width = m_metrics.horizontalAdvance(label);
    const auto fitsInside = [&](const QString &text) {
        return m_metrics.horizontalAdvance(text) + 2 * kLabelPadding <= visible.width();
    };
    m_p.setPen(kText);
    if (fitsInside(label)) {
        m_p.drawText(QPointF(visible.left() + kLabelPadding, baseline), label);
    } else if (clear && width <= rightRoom) {
        m_p.drawText(QPointF(rect.right() + kBesideGap, baseline), label);
        return rect.right() + kBesideGap + width;
    } else if (clear && width <= leftRoom) {
        m_p.drawText(QPointF(rect.left() - kBesideGap - width, baseline), label);
    } else if (const QString number = QString::number(train.number); fitsInside(number)) {
        // Between close neighbours the number alone still tells the train.
        m_p.drawText(QPointF(visible.left() + kLabelPadding, baseline), number);
    }
    return std::max(takenUntil, rect.right());
}

} // namespace tgx
