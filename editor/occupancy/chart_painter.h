#pragma once

#include "occupancy/occupancy_plan.h"

#include <QColor>

class QFont;
class QPainter;

namespace tgx {

class ChartContent;
struct ChartFrame;

// Paints the part of the chart that frame covers: the rows with their bars,
// the hour grid and labels, and the track column. The one paint function of
// the chart: the screen, a PNG and a PDF all go through it, so that what is
// saved is what is shown. font should have a pixel size, so that labels take
// the same room on every device.
void paintChart(QPainter &painter, const ChartContent &content, const ChartFrame &frame, const QFont &font);

} // namespace tgx
