#include "document/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tgx {

void centreOnDesktop(QWidget &window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

void placeOnDesktop(QWidget &window, QPoint offset)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().topLeft() + offset);
}

} // namespace tgx
