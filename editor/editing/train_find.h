#pragma once

#include <QString>
#include <QStringList>

namespace tgx {

// Index of the first summary line, from index from on and round past the end
// back to the start, that contains text ignoring case; the accents count as
// typed ("zálesí" finds "Zálesí", "Zalesi" does not). A from outside the list
// starts at its first line. -1 when no line contains it, and for an empty
// text, which finds nothing rather than every line.
int findTrain(const QStringList &summaries, const QString &text, int from);

} // namespace tgx
