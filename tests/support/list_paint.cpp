#include "list_paint.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace tgx::test {

bool paintedGrey(const QWidget &list)
{
    return list.palette().color(QPalette::Base) == QApplication::palette().color(QPalette::Button);
}

} // namespace tgx::test
