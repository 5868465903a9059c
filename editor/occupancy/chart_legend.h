#pragma once

class QFontMetrics;
class QPainter;
class QRect;

namespace tgx {

// Paints the chart's legend into band, one line of samples with their
// meaning: the three colours of the trains, the hatched estimated minutes
// and the two red outlines of collisions.
void paintLegend(QPainter &painter, const QRect &band, const QFontMetrics &metrics);

} // namespace tgx
