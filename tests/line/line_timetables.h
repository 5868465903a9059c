#pragma once

#include "line/timetable_statements.h"

#include <QList>
#include <QString>
#include <QStringList>

// Timetables of neighbouring simulators for the line tests.
namespace tgx::test {

inline const QString kZalesi = QStringLiteral("Zelto ŽST Zálesí");
inline const QString kDolanov = QStringLiteral("Zelto ŽST Dolanov");
inline const QString kOlsanov = QStringLiteral("Zelto ŽST Olšanov");

// Timetables given together, the first being the document.
using Documents = QList<QStringList>;

// The statements of each document, in order.
QList<TimetableStatements> statementsOfAll(const QList<QStringList> &documents);

} // namespace tgx::test
