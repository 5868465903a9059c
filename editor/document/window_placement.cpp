#include "document/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tgx {

void centreOnDesktop(QWidget &window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

void centreOver(QWidget &window, const QWidget &other)
{
    const QRect over = other.window()->frameGeometry();
    QRect placed = window.frameGeometry();
    placed.moveCenter(over.center());
    const QScreen *screen = QGuiApplication::screenAt(over.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        // Whole on the screen where it fits; its top left corner at least where it does not.
        const QRect area = screen->availableGeometry();
        placed.moveLeft(std::max(area.left(), std::min(placed.left(), area.right() + 1 - placed.width())));
        placed.moveTop(std::max(area.top(), std::min(placed.top(), area.bottom() + 1 - placed.height())));
    }
    window.move(placed.topLeft());
}

void placeOnDesktop(QWidget &window, QPoint offset)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().topLeft() + offset);
}

} // namespace tgx
