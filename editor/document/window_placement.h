#pragma once

#include <QPoint>

class QWidget;

namespace tgx {

// Puts a window in the centre of the desktop's work area.
void centreOnDesktop(QWidget &window);

// Puts a window in the centre of another, as far as the screen it stands on allows.
void centreOver(QWidget &window, const QWidget &other);

// Puts a window at offset from the top left corner of the desktop's work area.
void placeOnDesktop(QWidget &window, QPoint offset);

} // namespace tgx
