#include "occupancy/chart_legend.h"

#include "occupancy/chart_bar_style.h"
#include "occupancy/chart_frame.h"

#include <QFontMetrics>
#include <QPainter>

namespace tgx {

namespace {

const QString kPassenger = QStringLiteral("osobní vlak");
const QString kFreight = QStringLiteral("nákladní vlak");
const QString kLocomotive = QStringLiteral("lokomotivní vlak");
const QString kEstimated = QStringLiteral("odhadnuté obsazení");
const QString kCollision = QStringLiteral("kolize");
const QString kPossibleCollision = QStringLiteral("možná kolize");

const QColor kBackground(232, 232, 232);
const QColor kLine(170, 170, 170);
const QColor kText(0, 0, 0);

constexpr int kSampleWidth = 26;
constexpr int kSampleHeight = 14;
constexpr int kGap = 5;      // between a sample and its text
constexpr int kItemGap = 16; // between one item and the next
constexpr int kMargin = 8;   // at the left and right end of a line
constexpr int kLineHeight = ChartLayout::kLegendLineHeight;

enum class Sample { Fill, Estimated, Outline };

struct Item {
    const QString &text;
    TrainCategory category;
    Sample sample;
    Outline outline;
};

using enum TrainCategory;
const Item kItems[] = {
    {kPassenger, Passenger, Sample::Fill, Outline::Plain},
    {kFreight, Freight, Sample::Fill, Outline::Plain},
    {kLocomotive, Locomotive, Sample::Fill, Outline::Plain},
    {kEstimated, Passenger, Sample::Estimated, Outline::Plain},
    {kCollision, Other, Sample::Outline, Outline::Collision},
    {kPossibleCollision, Other, Sample::Outline, Outline::PossibleCollision},
};

void paintSample(QPainter &painter, const QRectF &rect, const Item &item)
{
    const BarColours colours(item.category);
    if (item.sample == Sample::Estimated)
        paintEstimated(painter, rect, colours);
    else
        painter.fillRect(rect, item.sample == Sample::Outline ? QColor(Qt::white) : colours.fill);
    paintOutline(painter, rect, colours, item.outline);
}

// One item in its place: the sample, then the text, centred in the line.
void paintItem(QPainter &painter, const QRect &place, const Item &item, const QFontMetrics &metrics)
{
    const double sampleTop = place.top() + (kLineHeight - kSampleHeight) / 2.0;
    paintSample(painter, QRectF(place.left(), sampleTop, kSampleWidth, kSampleHeight), item);
    const double baseline = place.top() + (kLineHeight + metrics.ascent() - metrics.descent()) / 2.0;
    painter.setPen(kText);
    painter.drawText(QPointF(place.left() + kSampleWidth + kGap, baseline), item.text);
}

} // namespace

QList<QRect> legendItems(int width, const QFontMetrics &metrics)
{
    QList<QRect> places;
    int x = kMargin, top = 0;
    for (const Item &item : kItems) {
        const int itemWidth = kSampleWidth + kGap + metrics.horizontalAdvance(item.text);
        // An item that does not fit begins the next line, unless it is the line's first.
        if (x > kMargin && x + itemWidth > width - kMargin) {
            x = kMargin;
            top += kLineHeight;
        }
        places.append(QRect(x, top, itemWidth, kLineHeight));
        x += itemWidth + kItemGap;
    }
    return places;
}

int legendHeight(int width, const QFontMetrics &metrics)
{
    return legendItems(width, metrics).last().bottom() + 1;
}

void paintLegend(QPainter &painter, const QRect &band, const QFontMetrics &metrics)
{
    painter.save();
    painter.setClipRect(band);
    painter.fillRect(band, kBackground);
    painter.setPen(kLine);
    painter.drawLine(band.topLeft(), band.topRight());
    const QList<QRect> places = legendItems(band.width(), metrics);
    for (qsizetype i = 0; i < places.size(); ++i)
        paintItem(painter, places[i].translated(band.topLeft()), kItems[i], metrics);
    painter.restore();
}

} // namespace tgx
