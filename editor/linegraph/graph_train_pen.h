#pragma once

#include <QPen>
#include <QString>

namespace tgx {

struct GraphTrain;

// How a train's line is drawn: in its type's colour, paler when only loaded
// timetables hold it, red when the checks across timetables found something
// about it; the selected train over a halo, and where a drag took it from as
// a dashed ghost.
class GraphTrainPen {
public:
    enum Kind { Plain, Selected, Ghost };

    GraphTrainPen(const GraphTrain &train, bool withFinding, Kind kind);

    QPen line() const;
    QPen halo() const;
    QPen text() const { return QPen(m_colour.darker(140)); }

    bool operator==(const GraphTrainPen &) const = default;

private:
    QColor m_colour;
    Kind m_kind;
};

// "Os 4521": the type and number as the train list shows them.
QString graphTrainLabel(const GraphTrain &train);

} // namespace tgx
