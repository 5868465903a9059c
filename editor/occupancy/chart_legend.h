#pragma once

#include <QList>
#include <QRect>

class QFontMetrics;
class QPainter;

namespace tgx {

// The chart's legend: a sample and its meaning for the three colours of the
// trains, the hatched estimated minutes and the two red outlines of
// collisions. Its items stand in lines, as many to a line as the width
// holds, so that a narrow window shows every one of them whole.

// Where each item (its sample and its text) stands in a legend width pixels
// wide, relative to the legend's top left, in the order they are painted.
QList<QRect> legendItems(int width, const QFontMetrics &metrics);

// The height of the lines that legendItems() takes at width.
int legendHeight(int width, const QFontMetrics &metrics);

// Paints the legend into band, as wide as the chart and legendHeight() high.
void paintLegend(QPainter &painter, const QRect &band, const QFontMetrics &metrics);

} // namespace tgx
