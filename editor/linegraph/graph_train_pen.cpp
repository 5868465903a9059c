#include "linegraph/graph_train_pen.h"

#include "line/line_graph.h"
#include "occupancy/chart_bar_style.h"
#include "occupancy/train_reading.h"
#include "trains/train_types.h"

namespace tgx {

namespace {

const QColor kFinding(220, 0, 0);
const QColor kHalo(255, 186, 0);
constexpr int kLoadedAlpha = 110; // how much of its colour a loaded timetable's train keeps
constexpr double kWidth = 1;
constexpr double kSelectedWidth = 2.4;
constexpr double kHaloWidth = 7;

} // namespace

GraphTrainPen::GraphTrainPen(const GraphTrain &train, bool withFinding, Kind kind)
    : m_colour(withFinding ? kFinding : categoryColour(categoryOf(train.typeIndex)).darker(125))
    , m_kind(kind)
{
    if (!train.ofDocument())
        m_colour.setAlpha(kLoadedAlpha);
}

QPen GraphTrainPen::line() const
{
    switch (m_kind) {
    case Plain: return QPen(m_colour, kWidth);
    case Selected: return QPen(m_colour, kSelectedWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    case Ghost: break;
    }
    return QPen(m_colour, 1, Qt::DashLine);
}

QPen GraphTrainPen::halo() const
{
    return QPen(kHalo, kHaloWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QString graphTrainLabel(const GraphTrain &train)
{
    return shownType(train.typeIndex, QStringView(train.typeCode, 2)).toString() + u' ' + QString::number(train.number);
}

} // namespace tgx
