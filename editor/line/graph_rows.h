#pragma once

#include "line/line_graph.h"

#include <QList>
#include <QStringList>

namespace tgx {

// The rows of line's stations first to last, strong where one of
// ownStations (the timetables' own stations) stands.
QList<GraphRow> graphRows(const QStringList &line, const QStringList &ownStations, int first, int last);

// Spaces rows by the shortest running time the trains give between them.
void spaceRows(QList<GraphRow> &rows, const QList<GraphTrain> &trains);

} // namespace tgx
