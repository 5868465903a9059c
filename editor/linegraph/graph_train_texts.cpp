#include "linegraph/graph_train_texts.h"

#include "linegraph/graph_content.h"
#include "linegraph/graph_train_pen.h"

#include <QPainter>
#include <QStaticText>

#include <cmath>

namespace tgx {

namespace {

constexpr double kLabelLift = 3; // pixels between a line and its number

} // namespace

GraphTextPainter::GraphTextPainter(QPainter &painter, const GraphContent &content, const QFont &font)
    : m_p(painter), m_content(content), m_font(font), m_metrics(font), m_base(painter.worldTransform())
{
}

void GraphTextPainter::paint(const GraphTrainTexts &texts, const GraphTrainPen &pen)
{
    m_p.setPen(pen.text());
    for (const EndName &end : texts.ends) {
        const double width = m_metrics.horizontalAdvance(*end.station);
        const double baseline = end.above ? end.at.y() - 2 : end.at.y() + m_metrics.ascent();
        m_p.drawText(QPointF(end.at.x() - width / 2, baseline), *end.station);
    }
    if (texts.number.length() > 0)
        paintNumber(texts.train, texts.number);
}

// The type and number along a stretch, where they fit.
void GraphTextPainter::paintNumber(int train, const QLineF &along)
{
    const QStaticText &label = m_content.label(train, m_font);
    const double width = label.size().width();
    if (width + 8 > along.length())
        return;
    QTransform placed;
    placed.translate(along.center().x(), along.center().y());
    placed.rotateRadians(std::atan2(along.dy(), along.dx()));
    m_p.setWorldTransform(placed * m_base);
    m_p.drawStaticText(QPointF(-width / 2, -kLabelLift - m_metrics.ascent()), label);
    m_p.setWorldTransform(m_base);
}

} // namespace tgx
