#pragma once

#include <QStringList>

namespace tgx {

// The user guide of the help window, one entry a line: the title underlined
// by "=", the version, the opening sentence, then the sections, each heading
// underlined by "-" and preceded by two empty lines.
QStringList helpTextLines();

} // namespace tgx
