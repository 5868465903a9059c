#include "occupancy/chart_painter.h"

#include "occupancy/chart_content.h"
#include "occupancy/chart_frame.h"
#include "occupancy/drag_label.h"
#include "occupancy/time_axis.h"
#include "trains/decoded_record.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace tgx {

namespace {

const QString kTrackSuffix = QStringLiteral(".kol"); // "1.kol", as the train list names a track

const QColor kBackground(255, 255, 255);
const QColor kStripe(246, 246, 246);    // every other row
const QColor kMargin(232, 232, 232);    // track column and hour labels
const QColor kMarginLine(170, 170, 170);
const QColor kText(0, 0, 0);
const QColor kConflict(220, 0, 0);
const QColor kSelectedHalo(255, 186, 0);
const QColor kSelectedFrame(0, 0, 0);

constexpr int kLabelPadding = 3;

// The colours of one category's bars, worked out once per painting.
struct BarColours {
    explicit BarColours(TrainCategory category)
        : fill(categoryColour(category)), border(fill.darker(150)), estimated(fill.lighter(135))
        , hatching(fill.darker(160), Qt::BDiagPattern) {}
    QColor fill;
    QColor border;
    QColor estimated; // under the hatching
    QBrush hatching;
};

// One painting of the chart into one frame.
class ChartPainting {
public:
    ChartPainting(QPainter &painter, const ChartContent &content, const ChartFrame &frame, const QFont &font)
        : m_p(painter), m_content(content), m_frame(frame), m_grid(frame.grid), m_metrics(font)
        , m_timeArea(ChartLayout::kTrackColumnWidth, ChartLayout::kHeaderHeight,
                     frame.size.width() - ChartLayout::kTrackColumnWidth,
                     frame.size.height() - ChartLayout::kHeaderHeight)
        , m_colours{BarColours(TrainCategory::Passenger), BarColours(TrainCategory::Freight),
                    BarColours(TrainCategory::Locomotive), BarColours(TrainCategory::Other)}
        , m_minLabelWidth(m_metrics.averageCharWidth() * 4)
    {
        m_p.setFont(font);
        m_p.setRenderHint(QPainter::Antialiasing, false);
        if (m_timeArea.height() <= 0)
            return;
        const int last = m_frame.rowAt(m_frame.size.height() - 1, content.rowCount());
        m_firstRow = std::max(0, m_frame.rowAt(ChartLayout::kHeaderHeight, content.rowCount()));
        m_lastRow = last >= 0 ? last : content.rowCount() - 1;
    }

    void paint()
    {
        m_p.save();
        m_p.setClipRect(m_timeArea);
        paintRowBackgrounds();
        paintTimeLines();
        for (int row = m_firstRow; row <= m_lastRow; ++row)
            paintBars(row);
        if (m_content.dragShift() != 0)
            paintDraggedTrain();
        m_p.restore();
        paintHourLabels();
        paintTrackColumn();
    }

private:
    QRect rowRect(int row) const
    {
        return QRect(0, m_frame.rowTop(row), m_frame.size.width(), ChartLayout::kRowHeight);
    }

    void paintRowBackgrounds()
    {
        m_p.fillRect(m_timeArea, kBackground);
        for (int row = m_firstRow; row <= m_lastRow; ++row) {
            if (row % 2 == 1)
                m_p.fillRect(rowRect(row), kStripe);
        }
    }

    void paintTimeLines()
    {
        const int bottom = std::min(m_frame.size.height(), m_frame.rowTop(m_lastRow + 1));
        TimeAxis{m_grid}.paintLines(m_p, m_timeArea, bottom);
    }

    void paintBars(int row)
    {
        const auto [begin, end] = m_content.barsBetween(row, m_timeArea.left(), m_timeArea.right() + 1, m_grid);
        const QList<OccupancyBar> &bars = m_content.plan().rows[row].bars;
        for (qsizetype i = begin; i < end; ++i)
            paintBar(bars[i], m_frame.rowTop(row));
    }

    QRectF barRect(const OccupancyBar &bar, int rowTop) const
    {
        const auto [left, right] = m_grid.barSpan(bar.first, bar.last);
        return QRectF(QPointF(left, rowTop + ChartLayout::kBarInset),
                      QPointF(right, rowTop + ChartLayout::kRowHeight - ChartLayout::kBarInset));
    }

    void paintBar(const OccupancyBar &bar, int rowTop)
    {
        const QRectF rect = barRect(bar, rowTop);
        const bool selected = m_content.isSelected(bar);
        if (selected && m_content.dragShift() != 0)
            paintGhost(rect);
        else
            paintBody(bar, rect, selected, m_content.plan().trains[bar.train].inConflict);
    }

    void paintBody(const OccupancyBar &bar, const QRectF &rect, bool selected, bool inConflict)
    {
        const PlannedTrain &train = m_content.plan().trains[bar.train];
        if (selected)
            m_p.fillRect(rect.adjusted(-3, -3, 3, 3), kSelectedHalo);
        const BarColours &colours = m_colours[int(train.category)];
        m_p.fillRect(rect, colours.fill);
        paintEstimated(bar, rect, colours);
        paintOutline(rect, colours, inConflict, selected);
        paintLabel(train, rect);
    }

    // Where a dragged train stood before the drag.
    void paintGhost(const QRectF &rect)
    {
        m_p.setBrush(Qt::NoBrush);
        m_p.setPen(QPen(kText, 1, Qt::DashLine));
        m_p.drawRect(rect.adjusted(0, 0, -1, -1));
    }

    // The dragged (selected) train's bars where the drag puts them, round
    // the clock, with the shift written beside the first of them.
    void paintDraggedTrain()
    {
        const int shift = m_content.dragShift() % kMinutesPerDay;
        std::optional<QRectF> labelled;
        for (int row = m_firstRow; row <= m_lastRow; ++row) {
            for (const OccupancyBar &bar : m_content.plan().rows[row].bars) {
                if (!m_content.isSelected(bar))
                    continue;
                for (const int wrap : {-kMinutesPerDay, 0, kMinutesPerDay}) {
                    const QRectF rect = paintMoved(bar, shift + wrap, m_frame.rowTop(row));
                    if (!labelled && rect.intersects(m_timeArea))
                        labelled = rect;
                }
            }
        }
        if (labelled)
            paintDragLabel(m_p, labelled->right(), labelled->center().y(), m_timeArea, m_content.dragShift());
    }

    // A bar of the dragged train moved by minutes; its findings are those
    // of where it stood, so it is drawn without them.
    QRectF paintMoved(OccupancyBar bar, int minutes, int rowTop)
    {
        bar.first += minutes;
        bar.last += minutes;
        bar.estimatedFirst += minutes;
        bar.estimatedLast += minutes;
        const QRectF rect = barRect(bar, rowTop);
        if (rect.intersects(m_timeArea))
            paintBody(bar, rect, true, false);
        return rect;
    }

    // The estimated minutes: a lighter fill crossed by diagonal lines.
    void paintEstimated(const OccupancyBar &bar, const QRectF &rect, const BarColours &colours)
    {
        if (bar.estimatedFirst > bar.estimatedLast)
            return;
        const double left = std::max(rect.left(), m_grid.x(bar.estimatedFirst));
        const double right = std::min(rect.right(), m_grid.x(bar.estimatedLast + 1));
        if (right <= left)
            return;
        const QRectF estimated(QPointF(left, rect.top()), QPointF(right, rect.bottom()));
        m_p.fillRect(estimated, colours.estimated);
        m_p.fillRect(estimated, colours.hatching);
    }

    void paintOutline(const QRectF &rect, const BarColours &colours, bool inConflict, bool selected)
    {
        m_p.setBrush(Qt::NoBrush);
        if (inConflict) {
            m_p.setPen(QPen(kConflict, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            m_p.drawRect(rect.adjusted(1, 1, -1, -1));
        } else {
            m_p.setPen(selected ? kSelectedFrame : colours.border);
            m_p.drawRect(rect.adjusted(0, 0, -1, -1));
        }
    }

    // The train's type and number in the visible part of its bar, when it fits.
    void paintLabel(const PlannedTrain &train, const QRectF &rect)
    {
        const QRectF visible = rect.intersected(m_timeArea);
        if (visible.width() < m_minLabelWidth)
            return;
        const QString label = trainLabel(train);
        if (m_metrics.horizontalAdvance(label) + 2 * kLabelPadding > visible.width())
            return;
        m_p.setPen(kText);
        const double baseline = rect.center().y() + (m_metrics.ascent() - m_metrics.descent()) / 2.0;
        m_p.drawText(QPointF(visible.left() + kLabelPadding, baseline), label);
    }

    void paintHourLabels()
    {
        const QRect header(ChartLayout::kTrackColumnWidth, 0, m_timeArea.width(), ChartLayout::kHeaderHeight);
        TimeAxis{m_grid}.paintLabels(m_p, header, m_metrics);
    }

    void paintTrackColumn()
    {
        const QRect column(0, 0, ChartLayout::kTrackColumnWidth, m_frame.size.height());
        m_p.fillRect(column, kMargin);
        const int baseline = (ChartLayout::kRowHeight + m_metrics.ascent() - m_metrics.descent()) / 2;
        m_p.save();
        m_p.setClipRect(column.adjusted(0, ChartLayout::kHeaderHeight, 0, 0));
        for (int row = m_firstRow; row <= m_lastRow; ++row) {
            const int top = m_frame.rowTop(row);
            m_p.setPen(kMarginLine);
            m_p.drawLine(0, top + ChartLayout::kRowHeight - 1, column.right(), top + ChartLayout::kRowHeight - 1);
            m_p.setPen(kText);
            m_p.drawText(QPoint(2 * kLabelPadding, top + baseline), m_content.plan().rows[row].track + kTrackSuffix);
        }
        m_p.restore();
        m_p.setPen(kMarginLine);
        m_p.drawLine(column.topRight(), column.bottomRight());
    }

    QPainter &m_p;
    const ChartContent &m_content;
    const ChartFrame &m_frame;
    const TimeGrid &m_grid;
    QFontMetrics m_metrics;
    QRect m_timeArea;
    BarColours m_colours[4]; // by TrainCategory
    int m_minLabelWidth;     // narrower bars are not even asked for their label
    int m_firstRow = 0;
    int m_lastRow = -1;
};

} // namespace

QColor categoryColour(TrainCategory category)
{
    switch (category) {
    case TrainCategory::Passenger: return QColor(104, 156, 232);
    case TrainCategory::Freight: return QColor(224, 150, 72);
    case TrainCategory::Locomotive: return QColor(112, 190, 104);
    case TrainCategory::Other: break;
    }
    return QColor(176, 176, 176);
}

void paintChart(QPainter &painter, const ChartContent &content, const ChartFrame &frame, const QFont &font)
{
    ChartPainting(painter, content, frame, font).paint();
}

} // namespace tgx
