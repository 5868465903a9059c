#include "occupancy/chart_legend.h"

#include "occupancy/chart_bar_style.h"

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
constexpr int kGap = 5;        // between a sample and its text
constexpr int kItemGap = 16;   // between one item and the next
constexpr int kLeftMargin = 8;

enum class Sample { Fill, Estimated, Outline };

struct Item {
    const QString &text;
    TrainCategory category;
    Sample sample;
    Outline outline;
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

} // namespace

void paintLegend(QPainter &painter, const QRect &band, const QFontMetrics &metrics)
{
    using enum TrainCategory;
    const Item items[] = {
        {kPassenger, Passenger, Sample::Fill, Outline::Plain},
        {kFreight, Freight, Sample::Fill, Outline::Plain},
        {kLocomotive, Locomotive, Sample::Fill, Outline::Plain},
        {kEstimated, Passenger, Sample::Estimated, Outline::Plain},
        {kCollision, Other, Sample::Outline, Outline::Collision},
        {kPossibleCollision, Other, Sample::Outline, Outline::PossibleCollision},
    };
    painter.save();
    painter.setClipRect(band);
    painter.fillRect(band, kBackground);
    painter.setPen(kLine);
    painter.drawLine(band.topLeft(), band.topRight());
    const double sampleTop = band.top() + (band.height() - kSampleHeight) / 2.0;
    const double baseline = band.top() + (band.height() + metrics.ascent() - metrics.descent()) / 2.0;
    double x = band.left() + kLeftMargin;
    for (const Item &item : items) {
        paintSample(painter, QRectF(x, sampleTop, kSampleWidth, kSampleHeight), item);
        x += kSampleWidth + kGap;
        painter.setPen(kText);
        painter.drawText(QPointF(x, baseline), item.text);
        x += metrics.horizontalAdvance(item.text) + kItemGap;
    }
    painter.restore();
}

} // namespace tgx
