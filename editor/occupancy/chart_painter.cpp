#include "occupancy/chart_painter.h"

#include "occupancy/chart_content.h"
#include "occupancy/chart_bars.h"
#include "occupancy/chart_frame.h"
#include "occupancy/chart_legend.h"
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

constexpr int kLabelPadding = 3;

// One painting of the chart into one frame.
class ChartPainting {
public:
    ChartPainting(QPainter &painter, const ChartContent &content, const ChartFrame &frame, const QFont &font)
        : m_p(painter), m_content(content), m_frame(frame), m_grid(frame.grid), m_metrics(font)
        , m_timeArea(ChartLayout::kTrackColumnWidth, ChartLayout::kHeaderHeight,
                     frame.size.width() - ChartLayout::kTrackColumnWidth,
                     frame.legendTop() - ChartLayout::kHeaderHeight)
        , m_bars(painter, content, frame, m_metrics, m_timeArea)
    {
        m_p.setFont(font);
        m_p.setRenderHint(QPainter::Antialiasing, false);
        if (m_timeArea.height() <= 0)
            return;
        const int last = m_frame.rowAt(m_frame.legendTop() - 1);
        m_firstRow = std::max(0, m_frame.rowAt(ChartLayout::kHeaderHeight));
        m_lastRow = last >= 0 ? last : content.rowCount() - 1;
    }

    void paint()
    {
        m_p.fillRect(QRect(QPoint(), m_frame.size), kBackground);
        m_p.save();
        m_p.setClipRect(m_timeArea);
        paintRowBackgrounds();
        paintTimeLines();
        for (int row = m_firstRow; row <= m_lastRow; ++row)
            m_bars.paintRow(row);
        if (m_content.dragShift() != 0)
            paintDraggedTrain();
        m_p.restore();
        paintHourLabels();
        paintTrackColumn();
        paintLegend(m_p, QRect(0, m_frame.legendTop(), m_frame.size.width(), m_frame.legendHeight), m_metrics);
    }

private:
    QRect rowRect(int row) const
    {
        return QRect(0, m_frame.rowTop(row), m_frame.size.width(), m_frame.rowHeight(row));
    }

    void paintRowBackgrounds()
    {
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

    void paintHourLabels()
    {
        const QRect header(ChartLayout::kTrackColumnWidth, 0, m_timeArea.width(), ChartLayout::kHeaderHeight);
        TimeAxis{m_grid}.paintLabels(m_p, header, m_metrics);
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
                    OccupancyBar moved = bar;
                    moved.first += shift + wrap;
                    moved.last += shift + wrap;
                    moved.estimatedFirst += shift + wrap;
                    moved.estimatedLast += shift + wrap;
                    const QRectF rect = m_frame.barRect(row, moved);
                    if (!rect.intersects(m_timeArea))
                        continue;
                    m_bars.paintMoved(moved, rect);
                    if (!labelled)
                        labelled = rect;
                }
            }
        }
        if (labelled)
            paintDragLabel(m_p, labelled->right(), labelled->center().y(), m_timeArea, m_content.dragShift());
    }

    void paintTrackColumn()
    {
        const QRect column(0, 0, ChartLayout::kTrackColumnWidth, m_frame.legendTop());
        m_p.fillRect(column, kMargin);
        // The track's name stands level with its first lane.
        const int baseline = (ChartLayout::kRowHeight + m_metrics.ascent() - m_metrics.descent()) / 2;
        m_p.save();
        m_p.setClipRect(column.adjusted(0, ChartLayout::kHeaderHeight, 0, 0));
        for (int row = m_firstRow; row <= m_lastRow; ++row) {
            const int top = m_frame.rowTop(row);
            const int bottom = top + m_frame.rowHeight(row) - 1;
            m_p.setPen(kMarginLine);
            m_p.drawLine(0, bottom, column.right(), bottom);
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
    QRect m_timeArea; // where the rows show, between the hour labels and the legend
    BarPainting m_bars;
    int m_firstRow = 0;
    int m_lastRow = -1;
};

} // namespace

void paintChart(QPainter &painter, const ChartContent &content, const ChartFrame &frame, const QFont &font)
{
    ChartPainting(painter, content, frame, font).paint();
}

} // namespace tgx
