#pragma once

#include <QIcon>

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
QIcon programIcon();

} // namespace ToolBarImages

} // namespace tgx
