#include "document/list_colours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace tgx {

namespace {

void paint(QWidget &list, QPalette::ColorRole role)
{
    QPalette palette = list.palette();
    const QColor colour = QApplication::palette().color(role);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, colour);
        palette.setColor(group, QPalette::Button, colour);
    }
    list.setPalette(palette);
}

} // namespace

void greyList(QWidget &list)
{
    list.setEnabled(false);
    paint(list, QPalette::Button);
}

void normalList(QWidget &list)
{
    list.setEnabled(true);
    paint(list, QPalette::Base);
}

} // namespace tgx
