#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QLineF>
#include <QTransform>
#include <QVarLengthArray>

class QPainter;

namespace tgx {

class GraphContent;
class GraphTrainPen;

// The name of a station off the line at a train's end.
struct EndName {
    QPointF at; // the stroke's end
    bool above; // the name stands above it
    const QString *station;
};

// What is written beside one train's line.
struct GraphTrainTexts {
    int train;
    int pen;       // among the content's plain pens
    QLineF number; // the stretch the number goes along; none for no number
    QVarLengthArray<EndName, 2> ends;
};

// Writes the texts beside the trains' lines of one painting: the names of
// the stations off the line and each train's type and number along its line,
// laid out once per graph.
class GraphTextPainter {
public:
    GraphTextPainter(QPainter &painter, const GraphContent &content, const QFont &font);

    void paint(const GraphTrainTexts &texts, const GraphTrainPen &pen);

private:
    void paintNumber(int train, const QLineF &along);

    QPainter &m_p;
    const GraphContent &m_content;
    QFont m_font;
    QFontMetrics m_metrics;
    QTransform m_base; // the painter's own, under each rotated label
};

} // namespace tgx
