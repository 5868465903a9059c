#include "occupancy/chart_painter.h"

#include "occupancy/chart_content.h"
#include "occupancy/chart_bars.h"
#include "occupancy/chart_frame.h"
#include "occupancy/chart_legend.h"
#include "trains/decoded_record.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tgx {

namespace {

const QString kTrackSuffix = QStringLiteral(".kol"); // "1.kol", as the train list names a track

const QColor kBackground(255, 255, 255);
const QColor kStripe(246, 246, 246);    // every other row
const QColor kMargin(232, 232, 232);    // track column and hour labels
const QColor kMarginLine(170, 170, 170);
const QColor kHourLine(196, 196, 196);
const QColor kMinorLine(232, 232, 232);
const QColor kText(0, 0, 0);

constexpr int kLabelPadding = 3;
constexpr int kMinorSteps[] = {5, 10, 15, 30}; // minutes between the lines inside an hour
constexpr double kMinorSpacing = 12;           // pixels the minor lines need at least
constexpr int kClockLabelSteps[] = {15, 30, 60};     // minutes between times written as "06:30"
constexpr int kHourLabelSteps[] = {1, 2, 3, 4, 6, 12}; // hours between bare hours

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
        m_p.restore();
        paintHourLabels();
        paintTrackColumn();
        paintLegend(m_p, QRect(0, m_frame.legendTop(), m_frame.size.width(), ChartLayout::kLegendHeight), m_metrics);
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

    // The hour grid across the rows, with lighter lines inside the hours when there is room.
    void paintTimeLines()
    {
        const double ppm = m_grid.pixelsPerMinute();
        const int *minor = std::find_if(std::begin(kMinorSteps), std::end(kMinorSteps),
                                        [ppm](int step) { return step * ppm >= kMinorSpacing; });
        const int step = minor != std::end(kMinorSteps) ? *minor : 60;
        const int first = std::max(0, int(std::floor(m_grid.minuteAt(m_timeArea.left()) / step)) * step);
        const int last = std::min(kMinutesPerDay, int(std::ceil(m_grid.minuteAt(m_timeArea.right()))));
        const int bottom = std::min(m_frame.size.height(), m_frame.rowTop(m_lastRow + 1));
        for (int minute = first; minute <= last; minute += step) {
            m_p.setPen(minute % 60 == 0 ? kHourLine : kMinorLine);
            const int x = int(std::lround(m_grid.x(minute)));
            m_p.drawLine(x, m_timeArea.top(), x, bottom - 1);
        }
    }

    // How often the time is written above the rows: as "06:30" every quarter,
    // half or whole hour when that fits, else as the bare hour ("6") every
    // one to twelve hours.
    std::pair<int, bool> timeLabelStep() const
    {
        const double ppm = m_grid.pixelsPerMinute();
        const double clockWidth = m_metrics.horizontalAdvance(QStringLiteral("00:00")) + 2 * kLabelPadding;
        for (const int minutes : kClockLabelSteps) {
            if (minutes * ppm >= clockWidth)
                return {minutes, true};
        }
        const double hourWidth = m_metrics.horizontalAdvance(QStringLiteral("24")) + 2 * kLabelPadding;
        const int *hours = std::find_if(std::begin(kHourLabelSteps), std::end(kHourLabelSteps) - 1,
                                        [&](int step) { return step * 60 * ppm >= hourWidth; });
        return {*hours * 60, false};
    }

    void paintHourLabels()
    {
        const QRect header(ChartLayout::kTrackColumnWidth, 0, m_timeArea.width(), ChartLayout::kHeaderHeight);
        m_p.fillRect(header, kMargin);
        m_p.setPen(kMarginLine);
        m_p.drawLine(header.bottomLeft(), header.bottomRight());
        const auto [step, clock] = timeLabelStep();
        const int baseline = (ChartLayout::kHeaderHeight + m_metrics.ascent() - m_metrics.descent()) / 2;
        // A time whose mark is scrolled away is not written, so no cut-off text shows.
        const int first = std::max(0, int(std::ceil(m_grid.minuteAt(header.left()) / step)) * step);
        m_p.save();
        m_p.setClipRect(header);
        for (int minute = first; minute < kMinutesPerDay && m_grid.x(minute) <= header.right(); minute += step) {
            const double x = m_grid.x(minute);
            m_p.setPen(kMarginLine);
            m_p.drawLine(QPointF(x, header.bottom() - 4), QPointF(x, header.bottom()));
            m_p.setPen(kText);
            const QString text = clock ? clockText(minute) : QString::number(minute / 60);
            m_p.drawText(QPointF(x + kLabelPadding, baseline), text);
        }
        m_p.restore();
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
