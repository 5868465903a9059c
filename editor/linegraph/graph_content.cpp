#include "linegraph/graph_content.h"

#include "linegraph/graph_frame.h"
#include "occupancy/train_reading.h"

#include <QHash>

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <limits>

namespace tgx {

namespace {

constexpr double kHitDistance = 5; // pixels from a train's line that still hit it

// The distance from pos to the segment from a to b.
double segmentDistance(QPointF pos, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double length = QPointF::dotProduct(ab, ab);
    const double t = length > 0 ? std::clamp(QPointF::dotProduct(pos - a, ab) / length, 0.0, 1.0) : 0.0;
    return QLineF(pos, a + t * ab).length();
}

} // namespace

void GraphContent::setGraph(LineGraph graph)
{
    m_graph = std::move(graph);
    m_reach.resize(m_graph.trains.size());
    int latest = -1;
    for (qsizetype i = 0; i < m_graph.trains.size(); ++i)
        m_reach[i] = latest = std::max(latest, m_graph.trains[i].points.last().minute);
    preparePens();
    m_labels.assign(std::size_t(m_graph.trains.size()), std::nullopt);
    findSelectedTrain();
}

// Trains of one colour share a pen, made once per graph; a painting sets it
// only where the next train's differs.
void GraphContent::preparePens()
{
    m_plainPens.clear();
    m_plainPenOf.clear();
    m_plainPenOf.reserve(m_graph.trains.size());
    // What a train's pen depends on: its category, its finding and whose it is.
    QHash<int, int> penOf;
    for (const GraphTrain &train : m_graph.trains) {
        const int key = int(categoryOf(train.typeIndex)) * 4 + (train.hasFinding ? 2 : 0) + (train.ofDocument() ? 1 : 0);
        auto at = penOf.constFind(key);
        if (at == penOf.cend()) {
            at = penOf.insert(key, int(m_plainPens.size()));
            m_plainPens << GraphTrainPen(train, train.hasFinding, GraphTrainPen::Plain);
        }
        m_plainPenOf << *at;
    }
}

const QStaticText &GraphContent::label(int train, const QFont &font) const
{
    if (font != m_labelFont) {
        m_labelFont = font;
        std::fill(m_labels.begin(), m_labels.end(), std::nullopt);
    }
    std::optional<QStaticText> &label = m_labels[std::size_t(train)];
    if (!label) {
        label.emplace(graphTrainLabel(m_graph.trains[train]));
        label->setPerformanceHint(QStaticText::AggressiveCaching);
        label->prepare(QTransform(), font);
    }
    return *label;
}

void GraphContent::setSelectedLine(std::optional<int> line)
{
    m_selectedLine = line;
    findSelectedTrain();
}

void GraphContent::findSelectedTrain()
{
    const auto found = std::find_if(m_graph.trains.cbegin(), m_graph.trains.cend(), [this](const GraphTrain &train) {
        return m_selectedLine && train.ofDocument() && train.documentLine == *m_selectedLine;
    });
    m_selectedTrain = found == m_graph.trains.cend() ? -1 : int(found - m_graph.trains.cbegin());
    ++m_revision;
}

std::pair<qsizetype, qsizetype> GraphContent::trainsBetween(double first, double last) const
{
    // Every train before begin ends before first; every train from end on starts after last.
    const qsizetype begin = std::lower_bound(m_reach.cbegin(), m_reach.cend(), first) - m_reach.cbegin();
    const auto &trains = m_graph.trains;
    const qsizetype end = std::upper_bound(trains.cbegin(), trains.cend(), last,
                                           [](double minute, const GraphTrain &train) {
                                               return minute < train.points.first().minute;
                                           })
                          - trains.cbegin();
    return {begin, std::max(begin, end)};
}

int GraphContent::trainAt(QPointF pos, const GraphFrame &frame) const
{
    const double minute = frame.grid.minuteAt(pos.x());
    const double reach = kHitDistance / frame.grid.pixelsPerMinute();
    int nearest = -1;
    double nearestDistance = kHitDistance;
    // A train past midnight is drawn again one day to the left.
    for (const int day : {0, 1}) {
        const auto [begin, end] = trainsBetween(minute + day * kMinutesPerDay - reach,
                                                minute + day * kMinutesPerDay + reach);
        for (qsizetype i = begin; i < end; ++i) {
            const double d = distance(int(i), pos, frame, -day * frame.grid.dayWidth());
            if (d <= nearestDistance) {
                nearest = int(i);
                nearestDistance = d;
            }
        }
    }
    return nearest;
}

double GraphContent::distance(int train, QPointF pos, const GraphFrame &frame, double dayOffset) const
{
    const QList<GraphPoint> &points = m_graph.trains[train].points;
    auto at = [&](const GraphPoint &point) {
        return QPointF(frame.grid.x(point.minute) + dayOffset, frame.y(m_graph.rows[point.row].y));
    };
    double nearest = std::numeric_limits<double>::max();
    QPointF previous = at(points.first());
    for (const GraphPoint &point : points) {
        const QPointF next = at(point);
        nearest = std::min(nearest, segmentDistance(pos, previous, next));
        previous = next;
    }
    return nearest;
}

} // namespace tgx
