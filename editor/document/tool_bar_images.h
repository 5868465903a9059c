#pragma once

#include <QIcon>

class QPainter;

namespace tgx {

// The tool-bar images (18 x 18 pixels) and the program icon, drawn by the
// program itself.
namespace ToolBarImages {

QIcon newDocument();
QIcon open();
QIcon save();
QIcon addTrain();
QIcon editTrain();
QIcon removeTrain();
QIcon help();
QIcon trackOccupancy();
QIcon lineGraph();
QIcon programIcon();

// Paints the program icon into the square of size x size at the painter's
// origin: the one drawing behind the window icon and the installed icons
// (scripts/draw-program-icons).
void paintProgramIcon(QPainter &painter, int size);

} // namespace ToolBarImages

} // namespace tgx
