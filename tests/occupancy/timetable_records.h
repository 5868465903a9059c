#pragma once

#include "occupancy/occupancy_plan.h"

#include <QString>
#include <QStringList>

// Timetables for the occupancy tests, written the way a reader thinks of them.
namespace tgx::test {

inline const QString kHutky = QStringLiteral("Zelto ŽST Hutky");
inline const QString kVrbinov = QStringLiteral("Zelto ŽST Vrbinov");
inline const QString kSkalin = QStringLiteral("Zelto Dl. Skalín");

// A record line of type code type ("18", Os) and train number. Each block is
// written "C HHMM HHMM" (neighbour code, departure at the start of the run,
// arrival at its end) or "-" for a train that starts or ends here.
QString record(int number, const QString &arrival, const QString &track, const QString &departure,
               const QString &type = QStringLiteral("18"), QChar passage = u'1', const QString &note = {});

// A document: 30 header lines naming the simulator (line 2) and the specified
// neighbour (line 7), then the records from line 31 on.
QStringList timetable(const QString &simulator, const QStringList &records, const QString &specified = {});

// The plan's findings as "LINE: TEXT", in the plan's order.
QStringList findingLines(const OccupancyPlan &plan);

} // namespace tgx::test
