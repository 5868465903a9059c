#include "linegraph/graph_painter.h"

#include "linegraph/graph_content.h"
#include "linegraph/graph_frame.h"
#include "linegraph/graph_train_pen.h"
#include "occupancy/drag_label.h"
#include "occupancy/time_axis.h"

#include <QFontMetrics>
#include <QPainter>

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace tgx {

namespace {

const QColor kBackground(255, 255, 255);
const QColor kMargin(232, 232, 232); // station names and times
const QColor kMarginLine(170, 170, 170);
const QColor kStationLine(200, 200, 200);
const QColor kStrongStationLine(80, 80, 80);
const QColor kText(0, 0, 0);

constexpr int kNamePadding = 6;
constexpr double kEndStroke = 14;          // the stroke to or from a station off the line
constexpr double kNamesFrom = 1.5;         // pixels per minute from which stations off the line are named
constexpr double kSteepestLabel = 1.2;     // radians: steeper lines carry no number
constexpr double kLabelLift = 3;           // pixels between a line and its number
constexpr qsizetype kSmoothTrains = 600;   // the most trains in view drawn antialiased

// One painting of the graph into one frame.
class GraphPainting {
public:
    GraphPainting(QPainter &painter, const GraphContent &content, const GraphFrame &frame, const QFont &font)
        : m_p(painter), m_content(content), m_graph(content.graph()), m_frame(frame), m_grid(frame.grid)
        , m_font(font), m_metrics(font)
        , m_timeArea(GraphLayout::kNameColumnWidth, GraphLayout::kHeaderHeight,
                     frame.size.width() - GraphLayout::kNameColumnWidth,
                     frame.size.height() - GraphLayout::kHeaderHeight)
    {
        m_p.setFont(font);
    }

    void paint()
    {
        m_p.save();
        m_p.setClipRect(m_timeArea);
        m_p.fillRect(m_timeArea, kBackground);
        TimeAxis{m_grid, 1, 1}.paintLines(m_p, m_timeArea, m_frame.size.height());
        paintRows();
        paintTrains();
        m_p.restore();
        TimeAxis{m_grid, 1, 1}.paintLabels(m_p, QRect(m_timeArea.left(), 0, m_timeArea.width(),
                                                       GraphLayout::kHeaderHeight), m_metrics);
        paintNames();
    }

private:
    double rowY(int row) const { return m_frame.y(m_graph.rows[row].y); }

    void paintRows()
    {
        for (const GraphRow &row : m_graph.rows) {
            m_p.setPen(QPen(row.strong ? kStrongStationLine : kStationLine, row.strong ? 2 : 1));
            const double y = std::round(m_frame.y(row.y));
            m_p.drawLine(QPointF(m_timeArea.left(), y), QPointF(m_timeArea.right() + 1, y));
        }
    }

    // The trains within the shown part of the day, and again one day to the
    // left those running past midnight; the selected one last, on top.
    void paintTrains()
    {
        const double first = m_grid.minuteAt(m_timeArea.left());
        const double last = m_grid.minuteAt(m_timeArea.right() + 1);
        const int selected = m_content.selectedTrain();
        const auto today = m_content.trainsBetween(first, last);
        const auto dayBefore = m_content.trainsBetween(first + kMinutesPerDay, last + kMinutesPerDay);
        // Smooth lines cost several times as much; where thousands of trains
        // crowd the view, nobody sees the difference.
        const qsizetype shown = today.second - today.first + dayBefore.second - dayBefore.first;
        m_p.setRenderHint(QPainter::Antialiasing, shown <= kSmoothTrains);
        for (const int day : {0, 1}) {
            const auto [begin, end] = day == 0 ? today : dayBefore;
            for (qsizetype i = begin; i < end; ++i) {
                if (int(i) != selected)
                    paintTrain(int(i), -day * kMinutesPerDay, GraphTrainPen::Plain);
            }
        }
        m_p.setRenderHint(QPainter::Antialiasing, true);
        if (selected >= 0)
            paintSelected(selected);
        m_p.setRenderHint(QPainter::Antialiasing, false);
    }

    void paintSelected(int train)
    {
        const int shift = m_content.dragShift();
        for (const int day : {-1, 0, 1}) {
            if (shift != 0)
                paintTrain(train, day * kMinutesPerDay, GraphTrainPen::Ghost);
            paintTrain(train, day * kMinutesPerDay + shift % kMinutesPerDay, GraphTrainPen::Selected);
        }
        if (shift != 0)
            paintShiftLabel(train, shift);
    }

    QPolygonF polyline(int train, int minutes) const
    {
        QPolygonF points;
        for (const GraphPoint &point : m_graph.trains[train].points)
            points << QPointF(m_grid.x(point.minute + minutes), rowY(point.row));
        return points;
    }

    void paintTrain(int train, int minutes, GraphTrainPen::Kind kind)
    {
        const QPolygonF points = polyline(train, minutes);
        const QRectF bounds = points.boundingRect().adjusted(-kEndStroke, 0, kEndStroke, 0);
        if (bounds.right() < m_timeArea.left() || bounds.left() > m_timeArea.right())
            return;
        const GraphTrain &graphTrain = m_graph.trains[train];
        const GraphTrainPen pen(graphTrain, m_content.hasFinding(train), kind);
        if (kind == GraphTrainPen::Selected) {
            m_p.setPen(pen.halo());
            m_p.drawPolyline(points);
        }
        m_p.setPen(pen.line());
        m_p.drawPolyline(points);
        if (kind == GraphTrainPen::Ghost)
            return;
        paintEnds(graphTrain, points, pen);
        paintNumber(graphTrain, points, pen);
    }

    // Which way the train runs at an end: +1 down the rows, -1 up, 0 unknown.
    static int direction(const QPolygonF &points)
    {
        for (qsizetype i = 1; i < points.size(); ++i) {
            if (points[i].y() != points[i - 1].y())
                return points[i].y() > points[i - 1].y() ? 1 : -1;
        }
        return 0;
    }

    void paintEnds(const GraphTrain &train, const QPolygonF &points, const GraphTrainPen &pen)
    {
        int down = direction(points);
        if (down == 0)
            down = points.first().y() <= m_frame.y(0) ? 1 : -1;
        if (!train.comesFrom.isEmpty())
            paintEnd(points.first(), QPointF(-kEndStroke / 2, -down * kEndStroke), train.comesFrom, pen);
        if (!train.goesTo.isEmpty())
            paintEnd(points.last(), QPointF(kEndStroke / 2, down * kEndStroke), train.goesTo, pen);
    }

    void paintEnd(QPointF at, QPointF stroke, const QString &station, const GraphTrainPen &pen)
    {
        const QPointF end = at + stroke;
        m_p.setPen(pen.line());
        m_p.drawLine(at, end);
        if (m_grid.pixelsPerMinute() < kNamesFrom)
            return;
        m_p.setPen(pen.text());
        const double width = m_metrics.horizontalAdvance(station);
        const double baseline = stroke.y() < 0 ? end.y() - 2 : end.y() + m_metrics.ascent();
        m_p.drawText(QPointF(end.x() - width / 2, baseline), station);
    }

    // The type and number along the longest sloped stretch, where they fit.
    void paintNumber(const GraphTrain &train, const QPolygonF &points, const GraphTrainPen &pen)
    {
        QLineF longest;
        for (qsizetype i = 1; i < points.size(); ++i) {
            const QLineF stretch(points[i - 1], points[i]);
            if (stretch.dy() != 0 && stretch.length() > longest.length())
                longest = stretch;
        }
        const double angle = std::atan2(longest.dy(), longest.dx());
        if (longest.length() < m_metrics.averageCharWidth() * 6 || std::abs(angle) > kSteepestLabel)
            return;
        const QString label = graphTrainLabel(train);
        const double width = m_metrics.horizontalAdvance(label);
        if (width + 8 > longest.length())
            return;
        m_p.save();
        m_p.translate(longest.center());
        m_p.rotate(qRadiansToDegrees(angle));
        m_p.setPen(pen.text());
        m_p.drawText(QPointF(-width / 2, -kLabelLift), label);
        m_p.restore();
    }

    void paintShiftLabel(int train, int shift)
    {
        const QPolygonF points = polyline(train, shift % kMinutesPerDay);
        const QPointF right = *std::max_element(points.cbegin(), points.cend(),
                                                [](QPointF a, QPointF b) { return a.x() < b.x(); });
        paintDragLabel(m_p, right.x(), right.y(), m_timeArea, shift);
    }

    void paintNames()
    {
        const QRect column(0, 0, GraphLayout::kNameColumnWidth, m_frame.size.height());
        m_p.fillRect(column, kMargin);
        m_p.save();
        m_p.setClipRect(column.adjusted(0, GraphLayout::kHeaderHeight, 0, 0));
        QFont strong = m_font;
        strong.setBold(true);
        for (const GraphRow &row : m_graph.rows) {
            m_p.setFont(row.strong ? strong : m_font);
            const QFontMetrics metrics(m_p.font());
            const double y = m_frame.y(row.y);
            const QString name = metrics.elidedText(row.station, Qt::ElideRight, column.width() - 2 * kNamePadding);
            m_p.setPen(kText);
            m_p.drawText(QPointF(kNamePadding, y + (metrics.ascent() - metrics.descent()) / 2.0), name);
        }
        m_p.restore();
        m_p.setPen(kMarginLine);
        m_p.drawLine(column.topRight(), column.bottomRight());
    }

    QPainter &m_p;
    const GraphContent &m_content;
    const LineGraph &m_graph;
    const GraphFrame &m_frame;
    const TimeGrid &m_grid;
    QFont m_font;
    QFontMetrics m_metrics;
    QRect m_timeArea;
};

} // namespace

void paintLineGraph(QPainter &painter, const GraphContent &content, const GraphFrame &frame, const QFont &font)
{
    GraphPainting(painter, content, frame, font).paint();
}

} // namespace tgx
