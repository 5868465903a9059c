#pragma once

class QFont;
class QPainter;

namespace tgx {

class GraphContent;
struct GraphFrame;

// Paints the part of the line's graph that frame covers: the station rows,
// the time grid, each train's line with its number and its ends off the
// line, the station names and the times. The one paint function of the
// graph, for the screen and for a saved picture. font should have a pixel
// size, so that labels take the same room on every device.
void paintLineGraph(QPainter &painter, const GraphContent &content, const GraphFrame &frame, const QFont &font);

// The same in two layers, which paintLineGraph paints one over the other:
// everything but the selected train, which changes seldom, and the selected
// train, which a drag moves at every step of the mouse.
void paintUnselectedTrains(QPainter &painter, const GraphContent &content, const GraphFrame &frame, const QFont &font);
void paintSelectedTrain(QPainter &painter, const GraphContent &content, const GraphFrame &frame, const QFont &font);

} // namespace tgx
