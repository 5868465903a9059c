#include "document/tool_bar.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QToolButton>

namespace tgx {

namespace {
constexpr QSize kButtonSize(27, 24);
constexpr QSize kImageSize(18, 18);
constexpr int kHeight = 30;
} // namespace

ToolBar::ToolBar(QWidget *parent) : QToolBar(parent)
{
    setIconSize(kImageSize);
    setFixedHeight(kHeight);
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

void ToolBar::addSpacer(int width)
{
    auto *spacer = new QWidget(this);
    spacer->setFixedWidth(width);
    addWidget(spacer);
}

void ToolBar::addButton(QAction *action)
{
    addAction(action);
    shapeButton(action);
    m_buttons << action;
}

void ToolBar::shapeButton(QAction *action)
{
    if (QWidget *button = widgetForAction(action)) {
        button->setObjectName(action->objectName());
        button->setFixedSize(kButtonSize);
    }
}

void ToolBar::keepAsDefault()
{
    m_defaultOrder = actions();
}

void ToolBar::moveButton(QAction *button, int offset)
{
    const QList<QAction *> items = actions();
    const qsizetype from = items.indexOf(button);
    const qsizetype to = from + offset;
    if (from < 0 || to < 0 || to >= items.size())
        return;
    removeAction(button);
    // After removal the item now at 'to' is the one to insert before, or the end.
    const QList<QAction *> rest = actions();
    insertAction(to < rest.size() ? rest[to] : nullptr, button);
    shapeButton(button);
}

void ToolBar::setButtonShown(QAction *button, bool shown)
{
    button->setVisible(shown);
}

void ToolBar::resetArrangement()
{
    for (QAction *item : m_defaultOrder) {
        removeAction(item);
        addAction(item);
        if (m_buttons.contains(item)) {
            item->setVisible(true);
            shapeButton(item);
        }
    }
}

void ToolBar::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    for (QAction *button : m_buttons) {
        QAction *toggle = menu.addAction(button->icon(), button->toolTip());
        toggle->setCheckable(true);
        toggle->setChecked(button->isVisible());
        connect(toggle, &QAction::toggled, this, [this, button](bool on) { setButtonShown(button, on); });
    }
    menu.addSeparator();
    QAction *under = actionAt(event->pos());
    if (m_buttons.contains(under)) {
        menu.addAction(QStringLiteral("Posunout tlačítko doleva"), this, [this, under] { moveButton(under, -1); });
        menu.addAction(QStringLiteral("Posunout tlačítko doprava"), this, [this, under] { moveButton(under, +1); });
        menu.addSeparator();
    }
    menu.addAction(QStringLiteral("Obnovit výchozí rozložení"), this, [this] { resetArrangement(); });
    menu.exec(event->globalPos());
}

} // namespace tgx
