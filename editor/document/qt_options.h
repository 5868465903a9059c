#pragma once

#include <QStringList>

namespace tgx {

// The arguments without Qt's own options (-platform, -style, -reverse, ...,
// with one dash or two) and their values, which QApplication takes for
// itself; what follows "--" is kept as it is. The program reads what is left,
// also where no QApplication was made to take them out.
QStringList withoutQtOptions(const QStringList &arguments);

} // namespace tgx
