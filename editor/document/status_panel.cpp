#include "document/status_panel.h"

#include <QPainter>
#include <QStyle>
#include <QTextDocument>

namespace tgx {

StatusPanel::StatusPanel(Qt::TextElideMode elide, QWidget *parent) : QLabel(parent), m_elide(elide)
{
    setTextFormat(Qt::PlainText);
}

void StatusPanel::setPanelText(const QString &text)
{
    setText(text);
    updateToolTip();
}

QString StatusPanel::shownText() const
{
    return fontMetrics().elidedText(text(), m_elide, contentsRect().width());
}

QSize StatusPanel::sizeHint() const
{
    return minimumSizeHint();
}

QSize StatusPanel::minimumSizeHint() const
{
    // Only the height follows the text; the width is what the layout gives.
    return {0, QLabel::minimumSizeHint().height()};
}

void StatusPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), shownText(),
                          foregroundRole());
}

void StatusPanel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    updateToolTip();
}

void StatusPanel::updateToolTip()
{
    // A tool tip that looks like markup would be drawn as markup: this one
    // shows the text character for character, on one line.
    setToolTip(shownText() == text() ? QString() : Qt::convertFromPlainText(text(), Qt::WhiteSpacePre));
}

} // namespace tgx
