#include "linegraph/graph_painter.h"

#include "linegraph/graph_content.h"
#include "linegraph/graph_frame.h"
#include "linegraph/graph_train_pen.h"
#include "linegraph/graph_train_texts.h"
#include "occupancy/drag_label.h"
#include "occupancy/time_axis.h"

#include <QFontMetrics>
#include <QPainter>

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <vector>

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
constexpr qsizetype kSmoothTrains = 600;   // the most trains in view drawn antialiased

// One painting of the graph into one frame.
class GraphPainting {
public:
    GraphPainting(QPainter &painter, const GraphContent &content, const GraphFrame &frame, const QFont &font)
        : m_p(painter), m_content(content), m_graph(content.graph()), m_frame(frame), m_grid(frame.grid)
        , m_font(font), m_metrics(font), m_averageCharWidth(m_metrics.averageCharWidth())
        , m_timeArea(GraphLayout::kNameColumnWidth, GraphLayout::kHeaderHeight,
                     frame.size.width() - GraphLayout::kNameColumnWidth,
                     frame.size.height() - GraphLayout::kHeaderHeight)
        , m_writer(painter, content, font)
    {
        m_p.setFont(font);
    }

    // All but the selected train.
    void paintUnselected()
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

    // The selected train over the rest, in the time area only.
    void paintSelectedLayer()
    {
        const int selected = m_content.selectedTrain();
        if (selected < 0)
            return;
        m_p.save();
        m_p.setClipRect(m_timeArea);
        m_p.setRenderHint(QPainter::Antialiasing, true);
        paintSelected(selected);
        m_p.restore();
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
    // left those running past midnight, in time order, so that lines drawn
    // one after the other lie close in memory; the pen changes only where
    // the next train's differs; then their labels over all lines.
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
                    drawPlainTrain(int(i), -day * kMinutesPerDay, m_content.plainPen(int(i)));
            }
        }
        for (const GraphTrainTexts &texts : m_texts)
            m_writer.paint(texts, m_content.plainPens()[texts.pen]);
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

    // Where a train's line runs, minutes later, in m_points.
    void place(int train, int minutes)
    {
        m_points.clear();
        for (const GraphPoint &point : m_graph.trains[train].points)
            m_points.emplace_back(m_grid.x(point.minute + minutes), rowY(point.row));
    }

    bool outOfView() const
    {
        const auto [left, right] = std::minmax_element(m_points.cbegin(), m_points.cend(),
                                                       [](QPointF a, QPointF b) { return a.x() < b.x(); });
        return right->x() + kEndStroke < m_timeArea.left() || left->x() - kEndStroke > m_timeArea.right();
    }

    // Draws a train's line with pen, and keeps its texts to write later.
    void drawPlainTrain(int train, int minutes, int pen)
    {
        place(train, minutes);
        if (outOfView())
            return;
        if (pen != m_pen) {
            m_p.setPen(m_content.plainPens()[pen].line());
            m_pen = pen;
        }
        m_p.drawPolyline(m_points.data(), int(m_points.size()));
        m_ends.clear();
        GraphTrainTexts texts{train, pen, numberStretch(), {}};
        traceEnds(m_graph.trains[train], m_ends, texts);
        m_p.drawLines(m_ends.data(), int(m_ends.size()));
        if (texts.number.length() > 0 || !texts.ends.isEmpty())
            m_texts.push_back(texts);
    }

    // A selected or dragged train, on its own.
    void paintTrain(int train, int minutes, GraphTrainPen::Kind kind)
    {
        place(train, minutes);
        if (outOfView())
            return;
        const GraphTrainPen pen(m_graph.trains[train], m_content.hasFinding(train), kind);
        const QPolygonF points(QList<QPointF>(m_points.cbegin(), m_points.cend()));
        if (kind == GraphTrainPen::Selected) {
            m_p.setPen(pen.halo());
            m_p.drawPolyline(points);
        }
        m_p.setPen(pen.line());
        m_p.drawPolyline(points);
        if (kind == GraphTrainPen::Ghost)
            return;
        std::vector<QLineF> ends;
        GraphTrainTexts texts{train, 0, numberStretch(), {}};
        traceEnds(m_graph.trains[train], ends, texts);
        m_p.drawLines(ends.data(), int(ends.size()));
        m_writer.paint(texts, pen);
    }

    // Which way the train runs at an end: +1 down the rows, -1 up, 0 unknown.
    int direction() const
    {
        for (std::size_t i = 1; i < m_points.size(); ++i) {
            if (m_points[i].y() != m_points[i - 1].y())
                return m_points[i].y() > m_points[i - 1].y() ? 1 : -1;
        }
        return 0;
    }

    // The strokes to and from stations off the line, and their names where they fit.
    void traceEnds(const GraphTrain &train, std::vector<QLineF> &lines, GraphTrainTexts &texts) const
    {
        int down = direction();
        if (down == 0)
            down = m_points.front().y() <= m_frame.y(0) ? 1 : -1;
        const auto end = [&](QPointF at, QPointF stroke, const QString &station) {
            lines.emplace_back(at, at + stroke);
            if (m_grid.pixelsPerMinute() >= kNamesFrom)
                texts.ends.append({at + stroke, stroke.y() < 0, &station});
        };
        if (!train.comesFrom.isEmpty())
            end(m_points.front(), QPointF(-kEndStroke / 2, -down * kEndStroke), train.comesFrom);
        if (!train.goesTo.isEmpty())
            end(m_points.back(), QPointF(kEndStroke / 2, down * kEndStroke), train.goesTo);
    }

    // The longest sloped stretch, where the type and number may go.
    QLineF numberStretch() const
    {
        QLineF longest;
        double longestSquared = 0;
        for (std::size_t i = 1; i < m_points.size(); ++i) {
            const QPointF step = m_points[i] - m_points[i - 1];
            const double squared = QPointF::dotProduct(step, step);
            if (step.y() != 0 && squared > longestSquared) {
                longest = QLineF(m_points[i - 1], m_points[i]);
                longestSquared = squared;
            }
        }
        const double angle = std::atan2(longest.dy(), longest.dx());
        if (longestSquared < std::pow(m_averageCharWidth * 6, 2) || std::abs(angle) > kSteepestLabel)
            return {};
        return longest;
    }

    void paintShiftLabel(int train, int shift)
    {
        place(train, shift % kMinutesPerDay);
        const QPointF right = *std::max_element(m_points.cbegin(), m_points.cend(),
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
    double m_averageCharWidth;
    QRect m_timeArea;
    GraphTextPainter m_writer;                  // of the trains' texts
    std::vector<QPointF> m_points;              // of the train at hand
    std::vector<QLineF> m_ends;                 // the strokes at the train's ends
    int m_pen = -1;                             // the plain pen set last
    std::vector<GraphTrainTexts> m_texts;       // of the trains drawn, written over all lines
};

} // namespace

void paintLineGraph(QPainter &painter, const GraphContent &content, const GraphFrame &frame, const QFont &font)
{
    GraphPainting painting(painter, content, frame, font);
    painting.paintUnselected();
    painting.paintSelectedLayer();
}

void paintUnselectedTrains(QPainter &painter, const GraphContent &content, const GraphFrame &frame, const QFont &font)
{
    GraphPainting(painter, content, frame, font).paintUnselected();
}

void paintSelectedTrain(QPainter &painter, const GraphContent &content, const GraphFrame &frame, const QFont &font)
{
    GraphPainting(painter, content, frame, font).paintSelectedLayer();
}

} // namespace tgx
